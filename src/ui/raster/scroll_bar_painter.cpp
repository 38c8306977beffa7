#include "ui/raster/scroll_bar_painter.h"

#include <algorithm>

#include "ui/raster/clipping.h"
#include "ui/raster/edges.h"
#include "ui/raster/fill.h"

namespace tessivar::ui {
namespace {

enum class ArrowDirection { Left, Right, Up, Down };

// A solid triangle pointing `direction`, centred in `button` and `depth` pixels from base to tip,
// its base 2 * depth - 1 pixels long. Drawn as one line per step of depth.
void draw_arrow_glyph(PixelView target, Rect button, ArrowDirection direction, int depth, Rect clip,
                      Pixel colour) {
  const int base = 2 * depth - 1;
  const bool across = direction == ArrowDirection::Left || direction == ArrowDirection::Right;
  const int box_width = across ? depth : base;
  const int box_height = across ? base : depth;
  const int x0 = button.x + (button.width - box_width) / 2;
  const int y0 = button.y + (button.height - box_height) / 2;
  for (int step = 0; step < depth; ++step) {
    // `step` counts from the tip: the line there is one pixel long, each further one two longer.
    const int half = step;
    switch (direction) {
      case ArrowDirection::Left:
        fill_rect(target, {x0 + step, y0 + depth - 1 - half, 1, 2 * half + 1}, clip, colour);
        break;
      case ArrowDirection::Right:
        fill_rect(target, {x0 + depth - 1 - step, y0 + depth - 1 - half, 1, 2 * half + 1}, clip,
                  colour);
        break;
      case ArrowDirection::Up:
        fill_rect(target, {x0 + depth - 1 - half, y0 + step, 2 * half + 1, 1}, clip, colour);
        break;
      case ArrowDirection::Down:
        fill_rect(target, {x0 + depth - 1 - half, y0 + depth - 1 - step, 2 * half + 1, 1}, clip,
                  colour);
        break;
    }
  }
}

// The glyph of a standard 17-pixel button is 4 pixels deep; smaller buttons get a proportionally
// smaller one, never less than a single pixel.
int glyph_depth(Rect button) {
  return std::max(1, std::min(button.width, button.height) / 4);
}

void draw_arrow_button(PixelView target, Rect button, ArrowDirection direction, bool pressed,
                       Rect clip, const ThemeColours& theme, int dpi) {
  button = saturated(button);
  if (button.empty()) return;
  const int line = line_pixels(dpi);
  fill_rect(target, button, clip, theme.face);
  Rect glyph_area = button;
  if (pressed) {
    // A held arrow button is drawn flat, with its glyph nudged as if pushed into the screen.
    draw_bevel_ring(target, button, clip, theme.shadow, theme.shadow, line);
    glyph_area = button.translated(line, line);
  } else {
    draw_raised_edge(target, button, clip, theme, dpi);
  }
  // The glyph never covers the button's border, however small the button.
  const Rect inside = intersect_wide(clip, button.inset(line));
  draw_arrow_glyph(target, glyph_area, direction, glyph_depth(button), inside, theme.button_text);
}

void draw_trough(PixelView target, Rect area, Rect clip, const ThemeColours& theme) {
  fill_checkered(target, area, clip, theme.scroll_trough, theme.highlight);
}

void draw_pressed_trough(PixelView target, Rect area, Rect clip, const ThemeColours& theme) {
  fill_checkered(target, area, clip, theme.dark_shadow, theme.shadow);
}

}  // namespace

void draw_scroll_bar(PixelView target, Rect bar, ScrollOrientation o, const ScrollBarGeometry& g,
                     ScrollPart pressed, Rect clip, const ThemeColours& theme, int dpi) {
  bar = saturated(bar);
  clip = intersect_wide(clip, bar);
  if (clip.empty()) return;
  const bool horizontal = o == ScrollOrientation::Horizontal;

  // The whole bar starts as trough: that covers the pixel left between two arrows of an odd,
  // short bar, and a track that has no room for a thumb.
  draw_trough(target, bar, clip, theme);
  if (pressed == ScrollPart::PageBack) draw_pressed_trough(target, g.page_back, clip, theme);
  if (pressed == ScrollPart::PageForward) draw_pressed_trough(target, g.page_forward, clip, theme);

  draw_arrow_button(target, g.line_back, horizontal ? ArrowDirection::Left : ArrowDirection::Up,
                    pressed == ScrollPart::LineBack, clip, theme, dpi);
  draw_arrow_button(target, g.line_forward,
                    horizontal ? ArrowDirection::Right : ArrowDirection::Down,
                    pressed == ScrollPart::LineForward, clip, theme, dpi);

  fill_rect(target, g.thumb, clip, theme.face);
  draw_raised_edge(target, g.thumb, clip, theme, dpi);
}

}  // namespace tessivar::ui
