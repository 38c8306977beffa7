// Bevelled edges: the sunken edge round a picture box, the etched outline of a group box and the
// raised edge of a push button.
#pragma once

#include "ui/geometry.h"
#include "ui/pixels.h"
#include "ui/raster/theme.h"

namespace tessivar::ui {

// A one-pixel ring along the inside of `outer`: its top row and left column in `top_left`, its
// bottom row and right column (corners included) in `bottom_right`.
void draw_bevel_ring(PixelView target, Rect outer, Rect clip, Pixel top_left, Pixel bottom_right);

// The two-pixel sunken client edge inside `outer`: an outer ring of shadow over highlight and an
// inner ring of dark shadow over light. What lies inside is left alone.
void draw_sunken_edge(PixelView target, Rect outer, Rect clip, const ThemeColours& theme);

// The two-pixel raised edge of a button inside `outer`: light over dark shadow outside,
// highlight over shadow inside. What lies inside is left alone.
void draw_raised_edge(PixelView target, Rect outer, Rect clip, const ThemeColours& theme);

// The etched outline of a group box inside `outer`: a shadow line with a highlight line one pixel
// inside it (below it along the top). The top line runs half a caption height below the top of
// `outer`, the caption height being caption_gap.height; the line is broken wherever it crosses
// `caption_gap`, where the caller draws the caption. A gap of no height places the line as for
// an empty caption in the standard dialog font and breaks it nowhere; one of no width but some
// height only places the line.
void draw_group_box(PixelView target, Rect outer, Rect caption_gap, Rect clip,
                    const ThemeColours& theme);

// The top line's offset below the top of a group box for a caption `caption_height` pixels high.
int group_box_line_offset(int caption_height);

}  // namespace tessivar::ui
