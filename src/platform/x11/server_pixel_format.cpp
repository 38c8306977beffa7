#include "platform/x11/server_pixel_format.h"

#include <bit>

namespace tessivar::x11 {

namespace {

// The widest channel a pixel may have: the scaling from 8 bits stays within 32-bit arithmetic,
// and no display stores more than 16 bits of a colour.
constexpr int kWidestChannel = 16;

std::optional<ChannelLayout> channel_of(std::uint32_t mask) {
  if (mask == 0) return std::nullopt;
  const int shift = std::countr_zero(mask);
  const int width = std::countr_one(mask >> shift);
  // Anything above the run of ones means the channel's bits are split.
  if (width > kWidestChannel || (mask >> shift) >> width != 0) return std::nullopt;
  return ChannelLayout{shift, width};
}

}  // namespace

std::optional<ServerPixelFormat> server_pixel_format(std::uint32_t red_mask,
                                                     std::uint32_t green_mask,
                                                     std::uint32_t blue_mask, int bits_per_pixel,
                                                     ByteOrder byte_order) {
  if (bits_per_pixel != 8 && bits_per_pixel != 16 && bits_per_pixel != 24 && bits_per_pixel != 32) {
    return std::nullopt;
  }
  if ((red_mask & green_mask) || (red_mask & blue_mask) || (green_mask & blue_mask)) {
    return std::nullopt;
  }
  if (bits_per_pixel < 32 && ((red_mask | green_mask | blue_mask) >> bits_per_pixel) != 0) {
    return std::nullopt;
  }
  const std::optional<ChannelLayout> red = channel_of(red_mask);
  const std::optional<ChannelLayout> green = channel_of(green_mask);
  const std::optional<ChannelLayout> blue = channel_of(blue_mask);
  if (!red || !green || !blue) return std::nullopt;
  return ServerPixelFormat{bits_per_pixel, byte_order, *red, *green, *blue};
}

bool is_engine_layout(const ServerPixelFormat& format) {
  return format == ServerPixelFormat{32, host_byte_order(), {16, 8}, {8, 8}, {0, 8}};
}

}  // namespace tessivar::x11
