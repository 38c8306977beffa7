#include "ui/picture/picture_region.h"

#include <algorithm>
#include <utility>

namespace tessivar::ui {

Bitmap crop_top_left(Bitmap bitmap, Size visible) {
  const Size out = visible_region(bitmap.width, bitmap.height, visible);
  if (out.width == 0 || out.height == 0) return {};
  if (out.width == bitmap.width && out.height == bitmap.height) return bitmap;
  Bitmap cropped(out.width, out.height);
  for (int y = 0; y < out.height; ++y) {
    const auto source = bitmap.pixels.begin() + static_cast<std::ptrdiff_t>(y) * bitmap.width;
    std::copy(source, source + out.width,
              cropped.pixels.begin() + static_cast<std::ptrdiff_t>(y) * out.width);
  }
  return cropped;
}

Bitmap keep_left_columns(Bitmap bitmap, int width) {
  if (width >= bitmap.width) return bitmap;
  if (width <= 0) return {};
  // Each row moves to an address no later than its own, so copying forwards is safe.
  for (int y = 1; y < bitmap.height; ++y) {
    const auto source = bitmap.pixels.begin() + static_cast<std::ptrdiff_t>(y) * bitmap.width;
    std::copy(source, source + width,
              bitmap.pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
  }
  bitmap.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(bitmap.height));
  bitmap.width = width;
  return bitmap;
}

}  // namespace tessivar::ui
