#include "ui/raster/blit.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "ui/raster/blend.h"
#include "ui/raster/clipping.h"

namespace tessivar::ui {
namespace {

// AND of every pixel: its alpha byte is 0xFF exactly when the whole row is opaque. A branch-free
// reduction, which the compiler turns into vector code, keeps the test cheap next to the copy.
bool row_is_opaque(const Pixel* row, int count) {
  Pixel all = 0xFFFFFFFFu;
  for (int i = 0; i < count; ++i) all &= row[i];
  return (all >> 24) == 0xFF;
}

void blend_row(Pixel* to, const Pixel* from, int count) {
  for (int i = 0; i < count; ++i) to[i] = blend_over(from[i], to[i]);
}

std::uint32_t load_u32(const std::uint8_t* at) {
  std::uint32_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// Blue, green, red bytes to opaque Pixels. On a little-endian machine four pixels are twelve
// bytes, three words, taken apart with shifts: this runs at memory speed, so an opaque picture
// costs no more to draw than a copy.
void widen_row(Pixel* to, const std::uint8_t* from, int count) {
  constexpr Pixel kOpaque = 0xFF000000u;
  int i = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; i + 4 <= count; i += 4, from += 12) {
      const std::uint32_t w0 = load_u32(from);      // b0 g0 r0 b1
      const std::uint32_t w1 = load_u32(from + 4);  // g1 r1 b2 g2
      const std::uint32_t w2 = load_u32(from + 8);  // r2 b3 g3 r3
      to[i] = kOpaque | (w0 & 0xFFFFFFu);
      to[i + 1] = kOpaque | (w0 >> 24) | ((w1 & 0xFFFFu) << 8);
      to[i + 2] = kOpaque | (w1 >> 16) | ((w2 & 0xFFu) << 16);
      to[i + 3] = kOpaque | (w2 >> 8);
    }
  }
  for (; i < count; ++i, from += 3) to[i] = make_pixel(from[2], from[1], from[0]);
}

}  // namespace

void draw_opaque_bitmap(PixelView target, Point at, const OpaqueBitmap& source, Rect clip) {
  if (source.empty()) return;
  const Rect placed = saturated({at.x, at.y, source.width, source.height});
  const Rect visible = intersect_wide(drawable_area(target, clip), placed);
  if (visible.empty()) return;

  const auto source_x = static_cast<std::size_t>(visible.x - placed.x);
  const int source_y = visible.y - placed.y;
  for (int row = 0; row < visible.height; ++row) {
    widen_row(target.row(visible.y + row) + visible.x,
              source.row(source_y + row) + source_x * OpaqueBitmap::kBytesPerPixel, visible.width);
  }
}

void draw_bitmap(PixelView target, Point at, ConstPixelView source, Rect clip) {
  if (source.data == nullptr) return;
  const Rect placed = saturated({at.x, at.y, source.width, source.height});
  const Rect visible = intersect_wide(drawable_area(target, clip), placed);
  if (visible.empty()) return;

  const int source_x = visible.x - placed.x;
  const int source_y = visible.y - placed.y;
  for (int row = 0; row < visible.height; ++row) {
    const Pixel* from = source.row(source_y + row) + source_x;
    Pixel* to = target.row(visible.y + row) + visible.x;
    if (row_is_opaque(from, visible.width)) {
      std::memcpy(to, from, static_cast<std::size_t>(visible.width) * sizeof(Pixel));
    } else {
      blend_row(to, from, visible.width);
    }
  }
}

}  // namespace tessivar::ui
