// Byte-exact Windows bitmap and icon files built from pixels, for decoder tests and fuzz seeds.
// Tests that damage a file patch it at the field offsets below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/pixels.h"

namespace tessivar::test {

using Bytes = std::vector<std::uint8_t>;

struct BmpLayout {
  bool top_down = false;
  int info_header_size = 40;  // 12 (core), 40, 52, 56, 108 or 124
  bool trim_last_row_padding = false;
};

// A 24-bit uncompressed bitmap file; alpha is dropped.
Bytes build_bmp(const ui::Bitmap& picture, const BmpLayout& layout = {});

// Offsets of fields in a bitmap file whose info header is 40 bytes or more.
inline constexpr std::size_t kBmpPixelOffsetAt = 10;
inline constexpr std::size_t kBmpInfoSizeAt = 14;
inline constexpr std::size_t kBmpWidthAt = 18;
inline constexpr std::size_t kBmpHeightAt = 22;
inline constexpr std::size_t kBmpBitsAt = 28;
inline constexpr std::size_t kBmpCompressionAt = 30;

struct IconImage {
  // Alpha 0 marks a transparent pixel; for 32 bits other alpha values are stored as they are.
  ui::Bitmap picture;
  int bits_per_pixel = 32;   // 1, 4, 8, 24 or 32
  bool png = false;          // stored as a PNG stream instead of a bitmap
  bool empty_alpha = false;  // 32 bits: alpha bytes all zero, shape in the mask only
  bool omit_mask = false;    // leave the transparency mask out
};

// One image as an icon stores it: a bitmap header, palette, colour rows and mask, or a PNG.
Bytes build_icon_image(const IconImage& image);

// An icon file holding `images` in the given order.
Bytes build_ico(const std::vector<IconImage>& images);

// Offsets inside an icon file, and inside one image's bitmap header.
inline constexpr std::size_t kIcoDirectoryEntryAt = 6;  // then 16 bytes per entry
inline constexpr std::size_t kIcoEntrySizeAt = 8;       // within an entry
inline constexpr std::size_t kIcoEntryOffsetAt = 12;    // within an entry
inline constexpr std::size_t kDibWidthAt = 4;
inline constexpr std::size_t kDibHeightAt = 8;
inline constexpr std::size_t kDibBitsAt = 14;
inline constexpr std::size_t kDibCompressionAt = 16;
inline constexpr std::size_t kDibColoursUsedAt = 32;

// The pixels an icon image decodes to: its own when it keeps its alpha channel; otherwise 0
// where the mask makes it transparent and opaque colour elsewhere.
ui::Bitmap expected_icon_pixels(const IconImage& image);

void put_u16(Bytes& bytes, std::size_t at, std::uint16_t value);
void put_u32(Bytes& bytes, std::size_t at, std::uint32_t value);

}  // namespace tessivar::test
