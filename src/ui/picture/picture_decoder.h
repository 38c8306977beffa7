// Reading the picture files that window descriptions hold: JPEG (baseline and progressive),
// Windows bitmaps and icons. Every reader is bounds-checked: bytes that are truncated or not a
// picture raise DecodeError naming the picture, never read outside the span.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "ui/geometry.h"
#include "ui/pixels.h"

namespace tessivar::ui {

enum class PictureFormat { Unknown, Jpeg, Bmp, Ico };

struct PictureInfo {
  PictureFormat format = PictureFormat::Unknown;
  int width = 0;   // natural size; for an icon, that of its largest image
  int height = 0;
  int bits_per_pixel = 0;    // 24 for a JPEG with three components
  bool progressive = false;  // JPEG only
};

struct IconImageInfo {
  int width = 0;
  int height = 0;
  int bits_per_pixel = 0;
  bool png = false;  // stored as a PNG stream rather than a bitmap
};

PictureFormat sniff_picture_format(std::span<const std::uint8_t> bytes);

// Reads headers only.
PictureInfo read_picture_info(std::span<const std::uint8_t> bytes, std::string_view name);

// Decodes the top-left part of a picture that can ever be visible: at most `visible` pixels
// (the result is smaller when the picture is). For an icon, the image that best suits `visible`.
Bitmap decode_picture(std::span<const std::uint8_t> bytes, std::string_view name, Size visible);

// A JPEG can also be decoded at `eighths` / 8 of its size (1 to 16), scaled by the inverse
// transform itself; `visible` is then in the scaled picture's pixels, which number
// ceil(size x eighths / 8) on each side.
Bitmap decode_jpeg(std::span<const std::uint8_t> bytes, std::string_view name, Size visible,
                   int eighths = 8);
Bitmap decode_bmp(std::span<const std::uint8_t> bytes, std::string_view name, Size visible);

// The same two, kept at three bytes a pixel: neither format has transparency. A 24-bit bitmap's
// rows are already in that form, and the result refers to them in `bytes`, which must outlive it
// (a window's pictures are the program's own embedded bytes).
OpaqueBitmap decode_jpeg_opaque(std::span<const std::uint8_t> bytes, std::string_view name,
                                Size visible, int eighths = 8);
OpaqueBitmap decode_bmp_opaque(std::span<const std::uint8_t> bytes, std::string_view name,
                               Size visible);

std::vector<IconImageInfo> read_icon_directory(std::span<const std::uint8_t> bytes,
                                               std::string_view name);
// The index of the image that best suits a square of `desired_size` pixels: the smallest at
// least that large, the deepest colour among equals; else the largest.
std::size_t choose_icon_image(std::span<const IconImageInfo> images, int desired_size);
Bitmap decode_icon_image(std::span<const std::uint8_t> bytes, std::string_view name,
                         std::size_t index);
Bitmap decode_icon(std::span<const std::uint8_t> bytes, std::string_view name, int desired_size);

}  // namespace tessivar::ui
