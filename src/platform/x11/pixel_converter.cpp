#include "platform/x11/pixel_converter.h"

#include <cstring>
#include <type_traits>

namespace tessivar::x11 {

namespace {

// Scaling to the nearest level rather than dropping low bits: truncation would shift every
// colour down by up to a step (a mid grey of 0x80 would land below the server's mid level) and
// could never reach the top level from below it. With 255 odd, c * levels / 255 never falls on
// a half, so the rounding has no ties to break.
std::array<std::uint32_t, 256> channel_table(ChannelLayout channel) {
  const std::uint32_t top = (std::uint32_t{1} << channel.width) - 1;
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t c = 0; c < 256; ++c) {
    table[c] = ((c * top + 127) / 255) << channel.shift;
  }
  return table;
}

template <typename Word>
Word byte_swapped(Word value) {
  if constexpr (sizeof(Word) == 2) {
    return __builtin_bswap16(value);
  } else {
    return __builtin_bswap32(value);
  }
}

// One row per call, so that the loop over a row carries no test of the pixel size or the byte
// order.
template <int Bytes, ByteOrder Order>
void convert_row(const PixelConverter& converter, const ui::Pixel* source, int count,
                 std::byte* target) {
  if constexpr (Bytes == 1) {
    for (int x = 0; x < count; ++x) {
      target[x] = static_cast<std::byte>(converter.value_of(source[x]));
    }
  } else if constexpr (Bytes == 2 || Bytes == 4) {
    using Word = std::conditional_t<Bytes == 2, std::uint16_t, std::uint32_t>;
    for (int x = 0; x < count; ++x) {
      Word value = static_cast<Word>(converter.value_of(source[x]));
      if constexpr (Order != host_byte_order()) value = byte_swapped(value);
      std::memcpy(target + static_cast<std::ptrdiff_t>(x) * Bytes, &value, Bytes);
    }
  } else {
    constexpr bool lsb_first = Order == ByteOrder::LeastSignificantFirst;
    for (int x = 0; x < count; ++x) {
      const std::uint32_t value = converter.value_of(source[x]);
      std::byte* out = target + static_cast<std::ptrdiff_t>(x) * 3;
      out[lsb_first ? 0 : 2] = static_cast<std::byte>(value);
      out[1] = static_cast<std::byte>(value >> 8);
      out[lsb_first ? 2 : 0] = static_cast<std::byte>(value >> 16);
    }
  }
}

template <int Bytes, ByteOrder Order>
void convert_rows(const PixelConverter& converter, ui::ConstPixelView source, ui::Rect area,
                  std::byte* target, std::ptrdiff_t target_pitch) {
  for (int y = area.y; y < area.bottom(); ++y) {
    convert_row<Bytes, Order>(
        converter, source.row(y) + area.x, area.width,
        target + y * target_pitch + static_cast<std::ptrdiff_t>(area.x) * Bytes);
  }
}

template <int Bytes>
void convert_rows(const PixelConverter& converter, ui::ConstPixelView source, ui::Rect area,
                  std::byte* target, std::ptrdiff_t target_pitch, ByteOrder order) {
  if (order == ByteOrder::LeastSignificantFirst) {
    convert_rows<Bytes, ByteOrder::LeastSignificantFirst>(converter, source, area, target,
                                                          target_pitch);
  } else {
    convert_rows<Bytes, ByteOrder::MostSignificantFirst>(converter, source, area, target,
                                                         target_pitch);
  }
}

}  // namespace

PixelConverter::PixelConverter(const ServerPixelFormat& format)
    : format_(format),
      red_(channel_table(format.red)),
      green_(channel_table(format.green)),
      blue_(channel_table(format.blue)) {}

void PixelConverter::convert(ui::ConstPixelView source, ui::Rect area, std::byte* target,
                             std::ptrdiff_t target_pitch) const {
  area = area.intersect(source.bounds());
  if (area.empty()) return;
  switch (format_.bits_per_pixel) {
    case 8:
      convert_rows<1>(*this, source, area, target, target_pitch, format_.byte_order);
      break;
    case 16:
      convert_rows<2>(*this, source, area, target, target_pitch, format_.byte_order);
      break;
    case 24:
      convert_rows<3>(*this, source, area, target, target_pitch, format_.byte_order);
      break;
    default:
      convert_rows<4>(*this, source, area, target, target_pitch, format_.byte_order);
      break;
  }
}

}  // namespace tessivar::x11
