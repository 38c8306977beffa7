// A decoded picture drawn at a window's density: made once, when the window loads, at the size
// it is drawn at, so that painting stays a plain copy.
#pragma once

#include "ui/geometry.h"
#include "ui/pixels.h"

namespace tessivar::ui {

// The top-left `visible` part of a picture `whole_source` pixels large scaled, as a whole, to
// `whole_destination` pixels. `source` holds the picture's top-left part as decoded, which need
// only reach as far as the visible part reads (a pixel or two past it): reads beyond its edge
// take its edge. Filtered as draw_bitmap_scaled filters (area averaging where an axis shrinks,
// bilinear where it grows) on premultiplied colour; the result keeps straight alpha.
Bitmap scale_picture(ConstPixelView source, Size whole_source, Size whole_destination,
                     Size visible);

}  // namespace tessivar::ui
