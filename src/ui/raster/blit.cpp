#include "ui/raster/blit.h"

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

}  // namespace

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
