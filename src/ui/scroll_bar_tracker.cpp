#include "ui/scroll_bar_tracker.h"

#include "ui/application.h"

namespace tessivar::ui {

int ScrollBarTracker::along(const ScrollBar& bar, Point p) const {
  return bar.horizontal() ? p.x : p.y;
}

void ScrollBarTracker::press(ScrollBar& bar, Point at) {
  const ScrollBarGeometry g = bar.geometry();
  const ScrollPart part = scroll_bar_part_at(g, at);
  if (part == ScrollPart::None) return;
  Tracking t{.bar = &bar, .part = part, .pointer = at};
  if (part == ScrollPart::Thumb) {
    const int thumb_start = bar.horizontal() ? g.thumb.x : g.thumb.y;
    t.grab_offset = along(bar, at) - thumb_start;
    tracking_ = t;
    bar.set_look({.pressed = part, .dragged_thumb_start = thumb_start});
    return;
  }
  t.next_repeat = app_.now() + kScrollFirstRepeatDelay;
  tracking_ = t;
  bar.set_look({.pressed = part});
  step(*tracking_);
}

void ScrollBarTracker::step(Tracking& t) {
  ScrollBar& bar = *t.bar;
  // The trough repeats only until the thumb reaches the pointer; an arrow while the pointer is on
  // it.
  if (scroll_bar_part_at(bar.geometry(), t.pointer) != t.part) return;
  switch (t.part) {
    case ScrollPart::LineBack: bar.step_by(-bar.small_change()); break;
    case ScrollPart::LineForward: bar.step_by(bar.small_change()); break;
    case ScrollPart::PageBack: bar.step_by(-bar.large_change()); break;
    case ScrollPart::PageForward: bar.step_by(bar.large_change()); break;
    default: break;
  }
}

void ScrollBarTracker::pointer_moved(const Form& form, Point at) {
  if (!tracking_ || &tracking_->bar->form() != &form) return;
  tracking_->pointer = at;
  if (tracking_->part == ScrollPart::Thumb) {
    // The thumb follows the pointer; Value waits for the release.
    tracking_->bar->set_look({.pressed = ScrollPart::Thumb,
                              .dragged_thumb_start = along(*tracking_->bar, at) - tracking_->grab_offset});
  } else {
    const bool over = scroll_bar_part_at(tracking_->bar->geometry(), at) == tracking_->part;
    tracking_->bar->set_look({.pressed = over ? tracking_->part : ScrollPart::None});
  }
}

void ScrollBarTracker::release(const Form& form, Point at) {
  if (!tracking_ || &tracking_->bar->form() != &form) return;
  const Tracking t = *tracking_;
  tracking_.reset();
  ScrollBar& bar = *t.bar;
  bar.set_look({});
  if (t.part == ScrollPart::Thumb) {
    const int value =
        scroll_bar_value_for_thumb(bar.outer_rect(), bar.orientation(), bar.min(), bar.max(),
                                   along(bar, at) - t.grab_offset, bar.arrow_length());
    bar.set_value(static_cast<std::int16_t>(value));
  }
}

void ScrollBarTracker::forget(const Form& form) {
  if (tracking_ && &tracking_->bar->form() == &form) tracking_.reset();
}

void ScrollBarTracker::cancel() {
  if (!tracking_) return;
  ScrollBar& bar = *tracking_->bar;
  tracking_.reset();
  bar.set_look({});
}

std::optional<Millis> ScrollBarTracker::next_deadline() const {
  if (!tracking_ || tracking_->part == ScrollPart::Thumb) return std::nullopt;
  return tracking_->next_repeat;
}

void ScrollBarTracker::fire_due_repeat(Millis now) {
  if (!tracking_ || tracking_->part == ScrollPart::Thumb || now < tracking_->next_repeat) return;
  tracking_->next_repeat = now + kScrollRepeatInterval;
  step(*tracking_);
}

}  // namespace tessivar::ui
