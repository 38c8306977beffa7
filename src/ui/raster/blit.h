// Drawing pictures onto a surface, at natural size or scaled.
#pragma once

#include "ui/geometry.h"
#include "ui/pixels.h"

namespace tessivar::ui {

// Draws `source` at its natural size with its top-left corner at `at`, composited by its
// straight alpha. Rows that are opaque throughout are copied as they are, so drawing a decoded
// photograph costs no more than a memory copy.
void draw_bitmap(PixelView target, Point at, ConstPixelView source, Rect clip);

// The same for a picture with no transparency: each pixel is written, never blended.
void draw_opaque_bitmap(PixelView target, Point at, const OpaqueBitmap& source, Rect clip);

// Scales `source` to fill `destination` and composites it by its straight alpha. Each axis is
// filtered on its own: by area averaging where it shrinks, so that no source pixel is skipped,
// and bilinearly where it grows or keeps its size. Filtering works on premultiplied colour, so
// transparent pixels lend no colour to the edges of what is drawn.
void draw_bitmap_scaled(PixelView target, Rect destination, ConstPixelView source, Rect clip);

}  // namespace tessivar::ui
