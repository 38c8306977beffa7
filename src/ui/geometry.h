// Pixel geometry shared by painting and hit-testing, and the one rule that turns twips into pixels.
#pragma once

#include <algorithm>
#include <cmath>

namespace tessivar::ui {

// Every layout is measured in twips, 1440 to the inch. A window's density says how many pixels
// that makes: at the standard 96 dots per inch, 15 twips to the pixel.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;
// The densities a window may have; a backend's answer outside them is taken as the standard.
inline constexpr int kLowestDpi = 48;
inline constexpr int kHighestDpi = 960;

inline int usable_dpi(int dpi) {
  return dpi >= kLowestDpi && dpi <= kHighestDpi ? dpi : kStandardDpi;
}

// Handlers may set any single value, infinity included; pixel positions are held to a range in
// which rectangle arithmetic cannot overflow, far beyond any screen.
inline constexpr double kFarthestPixel = 1 << 24;

// The one twips-to-pixels rule, at a window's density (1440 / dpi twips to the pixel). Painting,
// clipping and hit-testing all go through it, so what is drawn at a pixel is what a click at
// that pixel hits. An edge that falls on a half pixel goes down-right. At 96 dpi the product
// twips x 96 is exact and the one division rounds as twips / 15 would.
inline int twips_to_pixels(double twips, int dpi) {
  const double pixels = std::floor(twips * dpi / kTwipsPerInch + 0.5);
  if (std::isnan(pixels)) return 0;
  return static_cast<int>(std::clamp(pixels, -kFarthestPixel, kFarthestPixel));
}

// Pixels measured at a density (a caption's width) as twips.
inline double pixels_to_twips(int pixels, int dpi) {
  return static_cast<double>(pixels) * kTwipsPerInch / dpi;
}

// A length the system draws in pixels at 96 dpi (an arrow button's 17, a frame's indent), at
// `dpi`: the same length in twips through the window's scale.
inline int standard_pixels(int pixels_at_96, int dpi) {
  return twips_to_pixels(pixels_at_96 * (kTwipsPerInch / kStandardDpi), dpi);
}

// The width of the system's one-pixel lines (bevels, etched outlines) at `dpi`: one pixel up to
// 1.25 times the standard density, then whole pixels as the scale grows, never thinner than one.
inline int line_pixels(int dpi) {
  return std::max(1, standard_pixels(1, dpi));
}

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A half-open pixel rectangle: x <= px < x + width, y <= py < y + height.
struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool empty() const { return width <= 0 || height <= 0; }
  bool contains(Point p) const { return p.x >= x && p.x < right() && p.y >= y && p.y < bottom(); }

  Rect intersect(const Rect& o) const {
    const int l = std::max(x, o.x), t = std::max(y, o.y);
    const int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
    if (r <= l || b <= t) return {};
    return {l, t, r - l, b - t};
  }
  Rect unite(const Rect& o) const {
    if (empty()) return o;
    if (o.empty()) return *this;
    const int l = std::min(x, o.x), t = std::min(y, o.y);
    return {l, t, std::max(right(), o.right()) - l, std::max(bottom(), o.bottom()) - t};
  }
  Rect translated(int dx, int dy) const { return {x + dx, y + dy, width, height}; }
  Rect inset(int d) const { return {x + d, y + d, width - 2 * d, height - 2 * d}; }

  friend bool operator==(const Rect&, const Rect&) = default;
};

// A rectangle given in twips, turned into pixels edge by edge so that neighbours stay adjacent
// and a tile and its gap add up to the same pixels at every density.
inline Rect twips_rect_to_pixels(double left, double top, double width, double height, int dpi) {
  const int l = twips_to_pixels(left, dpi), t = twips_to_pixels(top, dpi);
  return {l, t, twips_to_pixels(left + width, dpi) - l, twips_to_pixels(top + height, dpi) - t};
}

}  // namespace tessivar::ui
