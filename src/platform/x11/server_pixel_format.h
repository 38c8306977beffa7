// How an X server stores one pixel of a TrueColor visual in an image: bits per pixel, byte order
// and where each colour channel sits, derived from the visual's red, green and blue masks. Kept
// free of Xlib so that every layout can be checked without a server.
#pragma once

#include <bit>
#include <cstdint>
#include <optional>

namespace tessivar::x11 {

// One colour channel: its lowest bit in the pixel value and how many bits it has.
struct ChannelLayout {
  int shift = 0;
  int width = 0;
  friend bool operator==(const ChannelLayout&, const ChannelLayout&) = default;
};

enum class ByteOrder { LeastSignificantFirst, MostSignificantFirst };

// This machine's byte order: the order in which the engine's 32-bit pixels sit in memory.
constexpr ByteOrder host_byte_order() {
  return std::endian::native == std::endian::little ? ByteOrder::LeastSignificantFirst
                                                    : ByteOrder::MostSignificantFirst;
}

struct ServerPixelFormat {
  int bits_per_pixel = 32;
  ByteOrder byte_order = ByteOrder::LeastSignificantFirst;
  ChannelLayout red;
  ChannelLayout green;
  ChannelLayout blue;
  friend bool operator==(const ServerPixelFormat&, const ServerPixelFormat&) = default;
};

// The format a visual's masks describe, or nothing when the pixels cannot be written: a mask
// that is empty, not one run of bits, wider than 16 bits, overlapping another or outside the
// pixel, or a pixel size other than 8, 16, 24 or 32 bits.
std::optional<ServerPixelFormat> server_pixel_format(std::uint32_t red_mask,
                                                     std::uint32_t green_mask,
                                                     std::uint32_t blue_mask, int bits_per_pixel,
                                                     ByteOrder byte_order);

// Whether the format is the engine's own 0x00RRGGBB in 32 bits, in this machine's byte order,
// so that the engine can paint straight into the server's image.
bool is_engine_layout(const ServerPixelFormat& format);

}  // namespace tessivar::x11
