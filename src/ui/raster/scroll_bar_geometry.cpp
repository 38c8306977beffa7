#include "ui/raster/scroll_bar_geometry.h"

#include <algorithm>
#include <cstdint>

#include "ui/raster/clipping.h"

namespace tessivar::ui {
namespace {

// One axis of the bar: where it starts and how long it is along its orientation.
struct Track {
  int bar_start = 0;
  int arrow = 0;   // length of each arrow button
  int start = 0;   // first pixel between the arrows
  int length = 0;  // pixels between the arrows
  int thumb = 0;   // length of the thumb
  int travel() const { return length - thumb; }
  bool has_thumb() const { return length >= thumb; }
};

Track track_of(Rect bar, ScrollOrientation o, int standard_length) {
  bar = saturated(bar);
  if (bar.empty()) return {};
  const bool horizontal = o == ScrollOrientation::Horizontal;
  const int bar_start = horizontal ? bar.x : bar.y;
  const int bar_length = horizontal ? bar.width : bar.height;
  const int arrow = std::min(standard_length, bar_length / 2);
  return {bar_start, arrow, bar_start + arrow, bar_length - 2 * arrow, standard_length};
}

// part * whole / of, rounded to the nearest with halves upwards, for 0 <= part <= of, whole and
// of below 2^32 and one of them below 2^31: then 2 * part * whole + of stays below 2^64.
std::int64_t scale_rounded(std::int64_t part, std::int64_t whole, std::int64_t of) {
  const auto p = static_cast<std::uint64_t>(part), w = static_cast<std::uint64_t>(whole),
             d = static_cast<std::uint64_t>(of);
  return static_cast<std::int64_t>((2 * p * w + d) / (2 * d));
}

// A span [start, start + length) along the bar, across its whole thickness.
Rect along(Rect bar, ScrollOrientation o, int start, int length) {
  if (length <= 0) return {};
  return o == ScrollOrientation::Horizontal ? Rect{start, bar.y, length, bar.height}
                                            : Rect{bar.x, start, bar.width, length};
}

}  // namespace

ScrollBarGeometry scroll_bar_geometry(Rect bar, ScrollOrientation o, int min, int max, int value,
                                      int arrow_length) {
  const Track track = track_of(bar, o, arrow_length);
  if (track.arrow == 0 && track.length == 0) return {};
  bar = saturated(bar);

  ScrollBarGeometry g;
  g.line_back = along(bar, o, track.bar_start, track.arrow);
  g.line_forward = along(bar, o, track.start + track.length, track.arrow);
  if (!track.has_thumb()) return g;

  std::int64_t offset = 0;
  const std::int64_t range = std::int64_t{max} - min;
  if (range != 0) {
    // Dividing by a negative range makes a value on the Max side count from the start all the
    // same: the thumb simply travels the other way.
    const std::int64_t span = range < 0 ? -range : range;
    const std::int64_t from_min = range < 0 ? std::int64_t{min} - value : std::int64_t{value} - min;
    offset = scale_rounded(std::clamp<std::int64_t>(from_min, 0, span), track.travel(), span);
  }
  const int thumb_start = track.start + static_cast<int>(offset);
  const int thumb_end = thumb_start + track.thumb;
  g.page_back = along(bar, o, track.start, thumb_start - track.start);
  g.thumb = along(bar, o, thumb_start, track.thumb);
  g.page_forward = along(bar, o, thumb_end, track.start + track.length - thumb_end);
  return g;
}

ScrollPart scroll_bar_part_at(const ScrollBarGeometry& g, Point p) {
  if (g.thumb.contains(p)) return ScrollPart::Thumb;
  if (g.line_back.contains(p)) return ScrollPart::LineBack;
  if (g.line_forward.contains(p)) return ScrollPart::LineForward;
  if (g.page_back.contains(p)) return ScrollPart::PageBack;
  if (g.page_forward.contains(p)) return ScrollPart::PageForward;
  return ScrollPart::None;
}

int scroll_bar_value_for_thumb(Rect bar, ScrollOrientation o, int min, int max, int thumb_start,
                               int arrow_length) {
  const Track track = track_of(bar, o, arrow_length);
  if (!track.has_thumb() || track.travel() == 0) return min;
  const std::int64_t offset =
      std::clamp<std::int64_t>(std::int64_t{thumb_start} - track.start, 0, track.travel());
  const std::int64_t range = std::int64_t{max} - min;
  const std::int64_t span = range < 0 ? -range : range;
  const std::int64_t from_min = scale_rounded(offset, span, track.travel());
  return static_cast<int>(range < 0 ? min - from_min : min + from_min);
}

}  // namespace tessivar::ui
