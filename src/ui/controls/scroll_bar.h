// A horizontal or vertical scroll bar. Value always lies in the range between Min and Max (which
// runs from Max to Min when Max is the smaller); every change of Value raises Change after the
// new Value is in place, before the assignment returns.
#pragma once

#include <cstdint>

#include <optional>

#include "ui/controls/control.h"
#include "ui/raster/scroll_bar_geometry.h"

namespace tessivar::ui {

// How the user's operation shows on the bar: the part held down, and the thumb while dragged.
struct ScrollBarLook {
  ScrollPart pressed = ScrollPart::None;
  std::optional<int> dragged_thumb_start;  // window pixels along the bar
  friend bool operator==(const ScrollBarLook&, const ScrollBarLook&) = default;
};

class ScrollBar : public Control {
 public:
  ScrollBar(Form& form, const ControlSpec& spec, Control* container);

  bool horizontal() const { return kind() == ControlKind::HScrollBar; }
  std::int16_t min() const { return min_; }
  std::int16_t max() const { return max_; }
  std::int16_t value() const { return value_; }
  std::int16_t small_change() const { return small_change_; }
  std::int16_t large_change() const { return large_change_; }

  // InvalidPropertyValueError outside the range; the same number raises nothing.
  void set_value(std::int16_t value);
  void set_min(std::int16_t min);
  void set_max(std::int16_t max);
  void set_small_change(std::int16_t step);
  void set_large_change(std::int16_t step);

  // The user's operations: move by a step towards Max (positive) or Min (negative), or to an
  // end, held within the range.
  void step_by(int delta);
  void move_to_min() { set_value(min_); }
  void move_to_max() { set_value(max_); }

  ScrollOrientation orientation() const {
    return horizontal() ? ScrollOrientation::Horizontal : ScrollOrientation::Vertical;
  }
  // Where the parts lie now, in window pixels; a dragged thumb stands where it is dragged.
  ScrollBarGeometry geometry() const;
  // The length of its arrow buttons and thumb at the window's density.
  int arrow_length() const;
  const ScrollBarLook& look() const { return look_; }
  void set_look(const ScrollBarLook& look);

  std::int16_t range_low() const { return min_ < max_ ? min_ : max_; }
  std::int16_t range_high() const { return min_ < max_ ? max_ : min_; }

 private:
  // After the range moved, Value is pulled back into it (raising Change when it moves).
  void hold_value_in_range();

  std::int16_t min_;
  std::int16_t max_;
  std::int16_t value_;
  std::int16_t small_change_;
  std::int16_t large_change_;
  ScrollBarLook look_;
};

}  // namespace tessivar::ui
