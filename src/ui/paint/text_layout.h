// Laying out a caption inside a label: lines broken at spaces where the text is wider than the
// label, aligned left, right or centred, cut off at the label's bottom and right edges.
#pragma once

#include <string_view>
#include <vector>

#include "ui/control_spec.h"
#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/pixels.h"

namespace tessivar::ui {

struct TextLine {
  std::string_view text;
  int width = 0;  // without the spaces at its end
};

// The distance from one line to the next: the font's full cell, as the platform lays out text.
int line_step(const Font& font);

// The caption on one line: its width and one line's height (what AutoSize makes a label).
Size single_line_extent(const Font& font, std::string_view text);

// Breaks at spaces (and at line breaks in the text) so that each line's design width fits
// `max_width` where it can; a single word wider than that stands alone on its line. The spaces at a
// break are dropped; those that begin the text are kept.
std::vector<TextLine> break_into_lines(const Font& font, std::string_view text, int max_width);

void draw_text_block(PixelView target, Rect box, Rect clip, const Font& font, std::string_view text,
                     Alignment alignment, Pixel colour);

}  // namespace tessivar::ui
