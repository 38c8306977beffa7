// Where the parts of a scroll bar lie. Painting and hit-testing both use these rectangles, so
// what is drawn at a pixel is what a click there operates.
#pragma once

#include "ui/geometry.h"

namespace tessivar::ui {

enum class ScrollOrientation { Horizontal, Vertical };

// Back is the left or upper end: its arrow, and the trough between that arrow and the thumb.
enum class ScrollPart { None, LineBack, PageBack, Thumb, PageForward, LineForward };

struct ScrollBarGeometry {
  Rect line_back, page_back, thumb, page_forward, line_forward;
};

// The standard length along the bar of each arrow button and of the thumb, at 96 dpi; at other
// densities it is scaled as every standard length is (standard_pixels).
inline constexpr int kScrollArrowLength = 17;

// The parts of `bar` (in any coordinates; the parts come back in the same ones). The arrows take
// the standard length (`arrow_length`, the thumb's too) at both ends, shared equally when the bar is shorter than two of them. The
// thumb stands at (value - min) / (max - min) of its travel, held within the travel, so that it
// runs the other way when max < min and stays at the start when max == min. A track shorter than
// the thumb shows no thumb and has no page parts.
ScrollBarGeometry scroll_bar_geometry(Rect bar, ScrollOrientation o, int min, int max, int value,
                                      int arrow_length = kScrollArrowLength);

ScrollPart scroll_bar_part_at(const ScrollBarGeometry& g, Point p);

// The value, within the range and rounded to the nearest, whose thumb starts at `thumb_start`:
// the thumb's x for a horizontal bar or its y for a vertical one, in the bar's coordinates. It
// undoes scroll_bar_geometry: the value it gives puts the thumb back at `thumb_start`. Min when
// the bar has no thumb travel.
int scroll_bar_value_for_thumb(Rect bar, ScrollOrientation o, int min, int max, int thumb_start,
                               int arrow_length = kScrollArrowLength);

}  // namespace tessivar::ui
