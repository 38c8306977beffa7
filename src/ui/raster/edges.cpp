#include "ui/raster/edges.h"

#include <algorithm>
#include <array>

#include "ui/raster/clipping.h"
#include "ui/raster/fill.h"

namespace tessivar::ui {
namespace {

// The line height of the standard 8-point dialog font at 96 dots per inch: the caption height a
// group box assumes when it has no caption to measure (scaled with the window's density).
constexpr int kEmptyCaptionHeight = 13;

// `clip` with `hole` cut out of it, as up to four rectangles that do not overlap.
std::array<Rect, 4> subtract(Rect clip, Rect hole) {
  const Rect cut = intersect_wide(clip, hole);
  if (cut.empty()) return {clip, Rect{}, Rect{}, Rect{}};
  return {
      Rect{clip.x, clip.y, clip.width, cut.y - clip.y},                      // above
      Rect{clip.x, cut.bottom(), clip.width, clip.bottom() - cut.bottom()},  // below
      Rect{clip.x, cut.y, cut.x - clip.x, cut.height},                       // left
      Rect{cut.right(), cut.y, clip.right() - cut.right(), cut.height},      // right
  };
}

}  // namespace

void draw_bevel_ring(PixelView target, Rect outer, Rect clip, Pixel top_left, Pixel bottom_right,
                     int width) {
  outer = saturated(outer);
  if (outer.empty()) return;
  // The top-left lines go first so that the two corners they share with the bottom-right lines
  // (top right and bottom left) take the bottom-right colour, as the standard bevel does.
  const int w = std::clamp(width, 1, std::max(1, std::min(outer.width, outer.height)));
  fill_rect(target, {outer.x, outer.y, outer.width, w}, clip, top_left);
  fill_rect(target, {outer.x, outer.y, w, outer.height}, clip, top_left);
  fill_rect(target, {outer.x, outer.bottom() - w, outer.width, w}, clip, bottom_right);
  fill_rect(target, {outer.right() - w, outer.y, w, outer.height}, clip, bottom_right);
}

void draw_sunken_edge(PixelView target, Rect outer, Rect clip, const ThemeColours& theme,
                      int dpi) {
  outer = saturated(outer);
  if (outer.empty()) return;
  const int line = line_pixels(dpi);
  draw_bevel_ring(target, outer, clip, theme.shadow, theme.highlight, line);
  draw_bevel_ring(target, outer.inset(line), clip, theme.dark_shadow, theme.light, line);
}

void draw_raised_edge(PixelView target, Rect outer, Rect clip, const ThemeColours& theme,
                      int dpi) {
  outer = saturated(outer);
  if (outer.empty()) return;
  const int line = line_pixels(dpi);
  draw_bevel_ring(target, outer, clip, theme.light, theme.dark_shadow, line);
  draw_bevel_ring(target, outer.inset(line), clip, theme.highlight, theme.shadow, line);
}

int group_box_line_offset(int caption_height, int dpi) {
  return (caption_height > 0 ? caption_height : standard_pixels(kEmptyCaptionHeight, dpi)) / 2;
}

void draw_group_box(PixelView target, Rect outer, Rect caption_gap, Rect clip,
                    const ThemeColours& theme, int dpi) {
  outer = saturated(outer);
  if (outer.empty()) return;
  const int line = line_pixels(dpi);
  const int offset = std::min(group_box_line_offset(caption_gap.height, dpi), outer.height);
  const Rect frame{outer.x, outer.y + offset, outer.width, outer.height - offset};
  if (frame.empty()) return;
  // An etched line is a sunken outer ring over a raised inner one: shadow with highlight inside.
  for (const Rect& part : subtract(intersect_wide(clip, outer), caption_gap)) {
    if (part.empty()) continue;
    draw_bevel_ring(target, frame, part, theme.shadow, theme.highlight, line);
    draw_bevel_ring(target, frame.inset(line), part, theme.highlight, theme.shadow, line);
  }
}

}  // namespace tessivar::ui
