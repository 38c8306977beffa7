// Straight-alpha compositing onto an opaque surface.
#pragma once

#include <cstdint>

#include "ui/pixels.h"

namespace tessivar::ui {

// x / 255 rounded to nearest, exact for every x in [0, 255 * 255].
inline constexpr std::uint32_t divide_by_255(std::uint32_t x) {
  return (x + 128 + ((x + 128) >> 8)) >> 8;
}

// `source` (straight alpha) over the opaque pixel `under`; the result is opaque.
inline constexpr Pixel blend_over(Pixel source, Pixel under) {
  const std::uint32_t a = pixel_alpha(source);
  if (a == 0xFF) return source;
  if (a == 0) return under | 0xFF000000u;
  const std::uint32_t keep = 255 - a;
  auto channel = [&](int shift) {
    const std::uint32_t s = (source >> shift) & 0xFFu, u = (under >> shift) & 0xFFu;
    return divide_by_255(s * a + u * keep) << shift;
  };
  return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

}  // namespace tessivar::ui
