#include "ui/controls/scroll_bar.h"

#include <algorithm>
#include <string>

#include "ui/errors.h"
#include "ui/form.h"

namespace tessivar::ui {
namespace {

const ScrollBarFields& fields_of(const ControlSpec& spec) {
  if (const auto* h = std::get_if<HScrollBarSpec>(&spec.kind)) return *h;
  return std::get<VScrollBarSpec>(spec.kind);
}

}  // namespace

ScrollBar::ScrollBar(Form& form, const ControlSpec& spec, Control* container)
    : Control(form, spec, container),
      min_(fields_of(spec).min),
      max_(fields_of(spec).max),
      value_(fields_of(spec).value),
      small_change_(fields_of(spec).small_change),
      large_change_(fields_of(spec).large_change) {}

void ScrollBar::set_value(std::int16_t value) {
  if (!window_loaded()) return;
  if (value < range_low() || value > range_high()) {
    throw InvalidPropertyValueError("Invalid property value: " + std::to_string(value) +
                                    " lies outside the range of " + std::string(name()) + " (" +
                                    std::to_string(min_) + " to " + std::to_string(max_) + ")");
  }
  if (value == value_) return;
  value_ = value;
  repaint();
  form().raise_change(*this);
}

ScrollBarGeometry ScrollBar::geometry() const {
  const Rect bar = outer_rect();
  ScrollBarGeometry g = scroll_bar_geometry(bar, orientation(), min_, max_, value_, arrow_length());
  if (look_.dragged_thumb_start && !g.thumb.empty()) {
    // The dragged thumb follows the pointer, held within the track between the arrows.
    const bool h = horizontal();
    const int track_start = h ? g.line_back.right() : g.line_back.bottom();
    const int track_end = h ? g.line_forward.x : g.line_forward.y;
    const int length = h ? g.thumb.width : g.thumb.height;
    const int start = std::clamp(*look_.dragged_thumb_start, track_start, track_end - length);
    if (h) {
      g.thumb.x = start;
    } else {
      g.thumb.y = start;
    }
  }
  return g;
}

int ScrollBar::arrow_length() const { return standard_pixels(kScrollArrowLength, form().dpi()); }

void ScrollBar::set_look(const ScrollBarLook& look) {
  if (!window_loaded() || look == look_) return;
  look_ = look;
  repaint();
}

void ScrollBar::set_min(std::int16_t min) {
  if (!window_loaded() || min == min_) return;
  min_ = min;
  repaint();
  hold_value_in_range();
}

void ScrollBar::set_max(std::int16_t max) {
  if (!window_loaded() || max == max_) return;
  max_ = max;
  repaint();
  hold_value_in_range();
}

void ScrollBar::set_small_change(std::int16_t step) {
  if (window_loaded()) small_change_ = step;
}

void ScrollBar::set_large_change(std::int16_t step) {
  if (window_loaded()) large_change_ = step;
}

void ScrollBar::hold_value_in_range() {
  set_value(std::clamp(value_, range_low(), range_high()));
}

void ScrollBar::step_by(int delta) {
  // Towards Max is "forward" whichever way the range runs.
  const int direction = max_ >= min_ ? 1 : -1;
  const int target = value_ + delta * direction;
  set_value(static_cast<std::int16_t>(std::clamp<int>(target, range_low(), range_high())));
}

}  // namespace tessivar::ui
