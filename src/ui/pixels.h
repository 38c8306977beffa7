// 32-bit pixels, views onto pixel memory that someone else owns, and bitmaps that own theirs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/geometry.h"

namespace tessivar::ui {

// 0xAARRGGBB. Window surfaces keep alpha at 0xFF; decoded pictures carry straight
// (not premultiplied) alpha, 0xFF wherever the format has none.
using Pixel = std::uint32_t;

inline constexpr Pixel make_pixel(std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                  std::uint8_t a = 0xFF) {
  return (Pixel{a} << 24) | (Pixel{r} << 16) | (Pixel{g} << 8) | Pixel{b};
}
inline constexpr std::uint8_t pixel_alpha(Pixel p) { return static_cast<std::uint8_t>(p >> 24); }
inline constexpr std::uint8_t pixel_red(Pixel p) { return static_cast<std::uint8_t>(p >> 16); }
inline constexpr std::uint8_t pixel_green(Pixel p) { return static_cast<std::uint8_t>(p >> 8); }
inline constexpr std::uint8_t pixel_blue(Pixel p) { return static_cast<std::uint8_t>(p); }

// A writable view of pixel rows; pitch is counted in pixels, not bytes.
struct PixelView {
  Pixel* data = nullptr;
  int pitch = 0;
  int width = 0;
  int height = 0;

  Pixel* row(int y) const { return data + static_cast<std::ptrdiff_t>(y) * pitch; }
  Pixel& at(int x, int y) const { return row(y)[x]; }
  Rect bounds() const { return {0, 0, width, height}; }
};

// A read-only view, for pictures that are drawn from.
struct ConstPixelView {
  const Pixel* data = nullptr;
  int pitch = 0;
  int width = 0;
  int height = 0;

  const Pixel* row(int y) const { return data + static_cast<std::ptrdiff_t>(y) * pitch; }
  Pixel at(int x, int y) const { return row(y)[x]; }
  Rect bounds() const { return {0, 0, width, height}; }
};

// Pixels that own their memory: a decoded picture, or a test surface.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;

  Bitmap() = default;
  Bitmap(int w, int h, Pixel fill = 0)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

  bool empty() const { return width <= 0 || height <= 0; }
  Pixel at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  PixelView view() { return {pixels.data(), width, width, height}; }
  ConstPixelView view() const { return {pixels.data(), width, width, height}; }
};

// Pixels with no transparency, three bytes each in memory order blue, green, red: how a
// photograph or a 24-bit bitmap is kept once decoded, a quarter smaller than as Pixels. Row y
// starts `pitch` x y bytes after row 0: more than width x 3 apart where a decoder wrote wider rows
// than are kept, so that keeping the top-left part of a picture moves nothing, and negative where
// the rows are a bitmap file's own, stored bottom-up.
struct OpaqueBitmap {
  static constexpr int kBytesPerPixel = 3;

  int width = 0;
  int height = 0;
  std::ptrdiff_t pitch = 0;
  const std::uint8_t* first_row = nullptr;
  std::unique_ptr<std::uint8_t[]> owned;  // the rows' memory, unless they are a file's own

  OpaqueBitmap() = default;
  // Memory of its own, rows `row_width` pixels apart, left unwritten for a decoder to fill:
  // clearing memory that is about to be overwritten would only cost time.
  OpaqueBitmap(int w, int h, int row_width)
      : width(w),
        height(h),
        pitch(static_cast<std::ptrdiff_t>(row_width) * kBytesPerPixel),
        owned(new std::uint8_t[static_cast<std::size_t>(pitch) * static_cast<std::size_t>(h)]) {
    first_row = owned.get();
  }
  // Rows that already lie in memory in this form and outlive the bitmap.
  static OpaqueBitmap viewing(const std::uint8_t* first_row, std::ptrdiff_t pitch, int w, int h) {
    OpaqueBitmap view;
    view.width = w;
    view.height = h;
    view.pitch = pitch;
    view.first_row = first_row;
    return view;
  }

  bool empty() const { return width <= 0 || height <= 0; }
  const std::uint8_t* row(int y) const { return first_row + static_cast<std::ptrdiff_t>(y) * pitch; }
  // For the decoder that fills a bitmap of its own.
  std::uint8_t* writable_row(int y) { return owned.get() + static_cast<std::ptrdiff_t>(y) * pitch; }
  Pixel at(int x, int y) const {
    const std::uint8_t* p = row(y) + static_cast<std::ptrdiff_t>(x) * kBytesPerPixel;
    return make_pixel(p[2], p[1], p[0]);
  }
};

}  // namespace tessivar::ui
