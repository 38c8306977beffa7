// Colour with premultiplied channels on the 0..255 scale, as the picture filters work on it:
// filtering premultiplied colour keeps the hidden colour of a transparent pixel from bleeding
// into its neighbours.
#pragma once

#include <algorithm>
#include <cstdint>

#include "ui/pixels.h"

namespace tessivar::ui {

struct Premultiplied {
  float r = 0, g = 0, b = 0, a = 0;

  void add(const Premultiplied& p, float weight) {
    r += p.r * weight;
    g += p.g * weight;
    b += p.b * weight;
    a += p.a * weight;
  }
};

inline constexpr float kInverse255 = 1.0f / 255.0f;

inline Premultiplied premultiply(Pixel p) {
  const float a = pixel_alpha(p);
  const float k = a * kInverse255;
  return {pixel_red(p) * k, pixel_green(p) * k, pixel_blue(p) * k, a};
}

// Rounded to the nearest and held in 0..255; filter weights may overshoot by a rounding error.
inline std::uint32_t to_channel(float v) {
  return static_cast<std::uint32_t>(std::clamp(v, 0.0f, 255.0f) + 0.5f);
}

// Back to straight alpha.
inline Pixel unpremultiply(const Premultiplied& c) {
  const float alpha = std::clamp(c.a, 0.0f, 255.0f);
  if (alpha <= 0.0f) return 0;
  const float k = 255.0f / alpha;
  return (to_channel(alpha) << 24) | (to_channel(c.r * k) << 16) | (to_channel(c.g * k) << 8) |
         to_channel(c.b * k);
}

}  // namespace tessivar::ui
