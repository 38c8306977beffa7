#include "ui/raster/fill.h"

#include <algorithm>

#include "ui/raster/clipping.h"

namespace tessivar::ui {

void fill_rect(PixelView target, Rect area, Rect clip, Pixel colour) {
  const Rect visible = intersect_wide(drawable_area(target, clip), area);
  if (visible.empty()) return;
  const Pixel opaque = colour | 0xFF000000u;
  for (int y = visible.y; y < visible.bottom(); ++y) {
    std::fill_n(target.row(y) + visible.x, visible.width, opaque);
  }
}

void fill_checkered(PixelView target, Rect area, Rect clip, Pixel even, Pixel odd) {
  const Rect visible = intersect_wide(drawable_area(target, clip), area);
  if (visible.empty()) return;
  const Pixel colours[2] = {even | 0xFF000000u, odd | 0xFF000000u};
  for (int y = visible.y; y < visible.bottom(); ++y) {
    Pixel* row = target.row(y);
    for (int x = visible.x; x < visible.right(); ++x) row[x] = colours[(x + y) & 1];
  }
}

}  // namespace tessivar::ui
