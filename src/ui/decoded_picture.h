// A picture as a window keeps it once decoded. One with no transparency (a photograph, a 24-bit
// bitmap) is kept at three bytes a pixel; any other (an icon, a picture scaled for a density)
// as Pixels with straight alpha. Both draw the same way.
#pragma once

#include <variant>

#include "ui/geometry.h"
#include "ui/pixels.h"

namespace tessivar::ui {

class DecodedPicture {
 public:
  DecodedPicture() = default;
  DecodedPicture(Bitmap with_alpha) : pixels_(std::move(with_alpha)) {}
  DecodedPicture(OpaqueBitmap opaque) : pixels_(std::move(opaque)) {}

  bool empty() const;
  Size size() const;
  // Every pixel covers what lies beneath it, which then need not be painted first.
  bool opaque() const { return std::holds_alternative<OpaqueBitmap>(pixels_); }
  Pixel at(int x, int y) const;

  // At natural size with the top-left corner at `at`.
  void draw(PixelView target, Point at, Rect clip) const;
  // Scaled to fill `destination`.
  void draw_scaled(PixelView target, Rect destination, Rect clip) const;

 private:
  std::variant<Bitmap, OpaqueBitmap> pixels_;
};

}  // namespace tessivar::ui
