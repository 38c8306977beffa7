// Bevelled edges: the sunken edge round a picture box, the etched outline of a group box and the
// raised edge of a push button. Each line is one pixel wide at 96 dpi and line_pixels(dpi) wide
// at the window's density `dpi`.
#pragma once

#include "ui/geometry.h"
#include "ui/pixels.h"
#include "ui/raster/theme.h"

namespace tessivar::ui {

// A ring `width` pixels wide along the inside of `outer`: its top rows and left columns in
// `top_left`, its bottom rows and right columns (corners included) in `bottom_right`.
void draw_bevel_ring(PixelView target, Rect outer, Rect clip, Pixel top_left, Pixel bottom_right,
                     int width = 1);

// The two-line sunken client edge inside `outer`: an outer ring of shadow over highlight and an
// inner ring of dark shadow over light. What lies inside is left alone.
void draw_sunken_edge(PixelView target, Rect outer, Rect clip, const ThemeColours& theme,
                      int dpi = kStandardDpi);

// The two-line raised edge of a button inside `outer`: light over dark shadow outside,
// highlight over shadow inside. What lies inside is left alone.
void draw_raised_edge(PixelView target, Rect outer, Rect clip, const ThemeColours& theme,
                      int dpi = kStandardDpi);

// The etched outline of a group box inside `outer`: a shadow line with a highlight line one pixel
// inside it (below it along the top). The top line runs half a caption height below the top of
// `outer`, the caption height being caption_gap.height; the line is broken wherever it crosses
// `caption_gap`, where the caller draws the caption. A gap of no height places the line as for
// an empty caption in the standard dialog font and breaks it nowhere; one of no width but some
// height only places the line.
void draw_group_box(PixelView target, Rect outer, Rect caption_gap, Rect clip,
                    const ThemeColours& theme, int dpi = kStandardDpi);

// The top line's offset below the top of a group box for a caption `caption_height` pixels high.
int group_box_line_offset(int caption_height, int dpi = kStandardDpi);

}  // namespace tessivar::ui
