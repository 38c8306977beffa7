// Small picture files made in memory for tests.
#pragma once

#include <cstdint>
#include <vector>

namespace tessivar::testing {

// A 24-bit, bottom-up Windows bitmap file of one colour (0xRRGGBB).
inline std::vector<std::uint8_t> solid_bmp(int width, int height, std::uint32_t rgb) {
  const int row = (width * 3 + 3) / 4 * 4;
  const std::uint32_t pixels = static_cast<std::uint32_t>(row * height);
  std::vector<std::uint8_t> file(54 + pixels, 0);
  const auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, 54 + pixels);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  file[26] = 1;
  file[28] = 24;
  put32(34, pixels);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = &file[54 + static_cast<std::size_t>(y * row + x * 3)];
      p[0] = static_cast<std::uint8_t>(rgb);
      p[1] = static_cast<std::uint8_t>(rgb >> 8);
      p[2] = static_cast<std::uint8_t>(rgb >> 16);
    }
  }
  return file;
}

}  // namespace tessivar::testing
