#include "ui/raster/edges.h"

#include <array>

#include "ui/raster/clipping.h"
#include "ui/raster/fill.h"

namespace tessivar::ui {
namespace {

// The line height of the standard 8-point dialog font at 96 dots per inch: the caption height a
// group box assumes when it has no caption to measure.
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

void draw_bevel_ring(PixelView target, Rect outer, Rect clip, Pixel top_left, Pixel bottom_right) {
  outer = saturated(outer);
  if (outer.empty()) return;
  // The top-left lines go first so that the two corners they share with the bottom-right lines
  // (top right and bottom left) take the bottom-right colour, as the standard bevel does.
  fill_rect(target, {outer.x, outer.y, outer.width, 1}, clip, top_left);
  fill_rect(target, {outer.x, outer.y, 1, outer.height}, clip, top_left);
  fill_rect(target, {outer.x, outer.bottom() - 1, outer.width, 1}, clip, bottom_right);
  fill_rect(target, {outer.right() - 1, outer.y, 1, outer.height}, clip, bottom_right);
}

void draw_sunken_edge(PixelView target, Rect outer, Rect clip, const ThemeColours& theme) {
  outer = saturated(outer);
  if (outer.empty()) return;
  draw_bevel_ring(target, outer, clip, theme.shadow, theme.highlight);
  draw_bevel_ring(target, outer.inset(1), clip, theme.dark_shadow, theme.light);
}

void draw_raised_edge(PixelView target, Rect outer, Rect clip, const ThemeColours& theme) {
  outer = saturated(outer);
  if (outer.empty()) return;
  draw_bevel_ring(target, outer, clip, theme.light, theme.dark_shadow);
  draw_bevel_ring(target, outer.inset(1), clip, theme.highlight, theme.shadow);
}

int group_box_line_offset(int caption_height) {
  return (caption_height > 0 ? caption_height : kEmptyCaptionHeight) / 2;
}

void draw_group_box(PixelView target, Rect outer, Rect caption_gap, Rect clip,
                    const ThemeColours& theme) {
  outer = saturated(outer);
  if (outer.empty()) return;
  const int offset = std::min(group_box_line_offset(caption_gap.height), outer.height);
  const Rect frame{outer.x, outer.y + offset, outer.width, outer.height - offset};
  if (frame.empty()) return;
  // An etched line is a sunken outer ring over a raised inner one: shadow with highlight inside.
  for (const Rect& part : subtract(intersect_wide(clip, outer), caption_gap)) {
    if (part.empty()) continue;
    draw_bevel_ring(target, frame, part, theme.shadow, theme.highlight);
    draw_bevel_ring(target, frame.inset(1), part, theme.highlight, theme.shadow);
  }
}

}  // namespace tessivar::ui
