// Pixel geometry shared by painting and hit-testing, and the one rule that turns twips into pixels.
#pragma once

#include <algorithm>
#include <cmath>

namespace tessivar::ui {

// Every layout is made for 96 dots per inch: 1440 twips to the inch, so 15 to the pixel.
inline constexpr int kTwipsPerPixel = 15;

// Handlers may set any single value, infinity included; pixel positions are held to a range in
// which rectangle arithmetic cannot overflow, far beyond any screen.
inline constexpr double kFarthestPixel = 1 << 24;

// The one twips-to-pixels rule. Painting and hit-testing both go through it, so what is drawn at
// a pixel is what a click at that pixel hits. An edge that falls on a half pixel goes down-right.
inline int twips_to_pixels(double twips) {
  const double pixels = std::floor(twips / kTwipsPerPixel + 0.5);
  if (std::isnan(pixels)) return 0;
  return static_cast<int>(std::clamp(pixels, -kFarthestPixel, kFarthestPixel));
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

// A rectangle given in twips, turned into pixels edge by edge so that neighbours stay adjacent.
inline Rect twips_rect_to_pixels(double left, double top, double width, double height) {
  const int l = twips_to_pixels(left), t = twips_to_pixels(top);
  return {l, t, twips_to_pixels(left + width) - l, twips_to_pixels(top + height) - t};
}

}  // namespace tessivar::ui
