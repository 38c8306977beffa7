// Clipping arithmetic shared by every raster primitive. Callers may hand us any rectangle, even
// one whose far edge lies beyond the range of int; these helpers work in 64 bits so that such a
// rectangle is clipped, never overflowed.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

#include "ui/geometry.h"
#include "ui/pixels.h"

namespace tessivar::ui {

// The same rectangle with its right and bottom edges pulled in to INT_MAX where they would lie
// beyond it, so that right() and bottom() are safe to compute; an empty rectangle stays empty.
inline Rect saturated(Rect r) {
  if (r.empty()) return {};
  const std::int64_t right = std::int64_t{r.x} + r.width;
  const std::int64_t bottom = std::int64_t{r.y} + r.height;
  if (right > INT_MAX) r.width = static_cast<int>(INT_MAX - std::int64_t{r.x});
  if (bottom > INT_MAX) r.height = static_cast<int>(INT_MAX - std::int64_t{r.y});
  return r.empty() ? Rect{} : r;
}

// Intersection of two rectangles of any size, computed without overflow.
inline Rect intersect_wide(Rect a, Rect b) {
  if (a.empty() || b.empty()) return {};
  const std::int64_t l = std::max(a.x, b.x), t = std::max(a.y, b.y);
  const std::int64_t r = std::min(std::int64_t{a.x} + a.width, std::int64_t{b.x} + b.width);
  const std::int64_t bo = std::min(std::int64_t{a.y} + a.height, std::int64_t{b.y} + b.height);
  if (r <= l || bo <= t) return {};
  return {static_cast<int>(l), static_cast<int>(t), static_cast<int>(r - l),
          static_cast<int>(bo - t)};
}

// The pixels a primitive may touch: inside both the caller's clip and the target.
inline Rect drawable_area(const PixelView& target, Rect clip) {
  if (target.data == nullptr) return {};
  return intersect_wide(target.bounds(), clip);
}

}  // namespace tessivar::ui
