// Solid and checkered rectangles.
#pragma once

#include "ui/geometry.h"
#include "ui/pixels.h"

namespace tessivar::ui {

// Fills the part of `area` inside `clip` and the target. Fills are opaque: the colour's alpha is
// ignored and the target keeps alpha 0xFF.
void fill_rect(PixelView target, Rect area, Rect clip, Pixel colour);

// Fills like fill_rect with a one-pixel checkerboard: `even` where x + y is even in target
// coordinates, `odd` elsewhere. The pattern is tied to the target, not to `area`, so repainting
// any part of an area continues the pattern seamlessly.
void fill_checkered(PixelView target, Rect area, Rect clip, Pixel even, Pixel odd);

}  // namespace tessivar::ui
