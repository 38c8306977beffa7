// The classic look of a scroll bar: raised arrow buttons, a checkered trough, a raised thumb.
#pragma once

#include "ui/geometry.h"
#include "ui/pixels.h"
#include "ui/raster/scroll_bar_geometry.h"
#include "ui/raster/theme.h"

namespace tessivar::ui {

// Paints the bar whose parts are `g` (from scroll_bar_geometry for the same bar), touching
// nothing outside `bar`. The `pressed` part shows held down: an arrow button flat with its glyph
// moved one pixel down and right, a trough part darker; the thumb looks the same either way.
// Arrow glyphs shrink with the buttons, down to a single pixel, so thin and short bars still
// show which way each arrow points. Lines and the pressed glyph's nudge are line_pixels(dpi).
void draw_scroll_bar(PixelView target, Rect bar, ScrollOrientation o, const ScrollBarGeometry& g,
                     ScrollPart pressed, Rect clip, const ThemeColours& theme,
                     int dpi = kStandardDpi);

}  // namespace tessivar::ui
