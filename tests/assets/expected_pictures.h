// What every embedded picture must be, row by row, for the tests to check against.
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string_view>

#include "ui/picture/picture_decoder.h"

namespace tessivar::assets::testing {

struct ExpectedPicture {
  std::string_view file;
  ui::PictureFormat format;
  int width;
  int height;
  int bits_per_pixel;  // for an icon, that of its deepest image
  bool progressive;
};

struct ExpectedTile {
  std::string_view file;
  std::uint32_t background;  // 0xRRGGBB
};

// Test output names the file rather than dumping the row's bytes.
inline void PrintTo(const ExpectedPicture& picture, std::ostream* out) {
  *out << picture.file;
}
inline void PrintTo(const ExpectedTile& tile, std::ostream* out) {
  *out << tile.file;
}

// The 45 square and 3 wide tiles of the start screen with their field colours.
std::span<const ExpectedTile> expected_tiles();

// Every picture, the tiles included.
std::span<const ExpectedPicture> expected_pictures();

std::span<const std::uint8_t> asset_bytes(std::string_view file);

}  // namespace tessivar::assets::testing
