// The user's operation of a scroll bar with the mouse: an arrow moves Value by SmallChange, the
// trough by LargeChange towards the press, both repeating while the button is held (after the
// standard first delay, at the standard rate); the thumb follows the pointer and sets Value once,
// where it is released.
#pragma once

#include <optional>

#include "ui/controls/scroll_bar.h"
#include "ui/platform.h"

namespace tessivar::ui {

class Application;
class Form;

inline constexpr Millis kScrollFirstRepeatDelay = 200;
inline constexpr Millis kScrollRepeatInterval = 50;

class ScrollBarTracker {
 public:
  explicit ScrollBarTracker(Application& app) : app_(app) {}

  void press(ScrollBar& bar, Point at);
  void pointer_moved(const Form& form, Point at);
  void release(const Form& form, Point at);
  void forget(const Form& form);
  // Ends the tracking without a release: no further step, and a dragged thumb goes back to
  // Value's place with no Change.
  void cancel();

  std::optional<Millis> next_deadline() const;
  void fire_due_repeat(Millis now);

 private:
  struct Tracking {
    ScrollBar* bar = nullptr;
    ScrollPart part = ScrollPart::None;
    Point pointer;
    Millis next_repeat = 0;
    int grab_offset = 0;  // pointer minus thumb start, while dragging the thumb
  };

  // Moves the bar one step for the held part, if the pointer is still over it.
  void step(Tracking& t);
  int along(const ScrollBar& bar, Point p) const;

  Application& app_;
  std::optional<Tracking> tracking_;
};

}  // namespace tessivar::ui
