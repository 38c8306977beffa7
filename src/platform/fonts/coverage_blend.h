// Putting anti-aliased text onto a window surface: the colour is mixed into each pixel by how
// much of the pixel the glyph covers.
#pragma once

#include <cstdint>

#include "ui/geometry.h"
#include "ui/pixels.h"

namespace tessivar::fonts {

// An 8-bit coverage image, rows packed `width` bytes apart; 0 leaves a pixel, 255 replaces it.
struct CoverageImage {
  const std::uint8_t* data = nullptr;
  int width = 0;
  int rows = 0;
};

// Blends `colour` (its alpha ignored) over the target where `image`, placed with its top-left
// corner at `at`, covers it. Only pixels inside `visible` change, and `visible` must lie within
// the target. Written pixels are opaque.
void blend_coverage(ui::PixelView target, ui::Rect visible, ui::Point at, CoverageImage image,
                    ui::Pixel colour);

// Paints `area`, cut to `visible`, in `colour` at full coverage (underline, strike-through).
void fill_covered(ui::PixelView target, ui::Rect visible, ui::Rect area, ui::Pixel colour);

}  // namespace tessivar::fonts
