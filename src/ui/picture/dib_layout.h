// Row arithmetic shared by Windows bitmaps and the bitmaps inside icons: every row of a device-
// independent bitmap is padded to a whole number of 32-bit words.
#pragma once

#include <cstdint>

namespace tessivar::ui {

// In 64 bits so that no width the readers accept can overflow it.
inline constexpr std::uint64_t dib_row_stride(std::uint64_t width, std::uint64_t bits_per_pixel) {
  return (width * bits_per_pixel + 31) / 32 * 4;
}

// The bytes a row really uses, without its padding.
inline constexpr std::uint64_t dib_row_bytes(std::uint64_t width, std::uint64_t bits_per_pixel) {
  return (width * bits_per_pixel + 7) / 8;
}

// What the pixel rows of a bitmap occupy. The last row's padding may be missing: some writers
// stop at the last pixel, and nothing is read from padding.
inline constexpr std::uint64_t dib_pixel_bytes(std::uint64_t width, std::uint64_t height,
                                               std::uint64_t bits_per_pixel) {
  if (height == 0) return 0;
  return dib_row_stride(width, bits_per_pixel) * (height - 1) +
         dib_row_bytes(width, bits_per_pixel);
}

}  // namespace tessivar::ui
