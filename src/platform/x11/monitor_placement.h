// Where a window is centred when it is first shown: on the monitor that holds the pointer, so a
// user with two screens sees the window where they are looking.
#pragma once

#include "ui/geometry.h"
// The Xlib headers come last.
#include "platform/x11/x11_display.h"

namespace tessivar::x11 {

// The monitor (from RandR) that holds the pointer, or the whole screen when RandR knows none.
ui::Rect monitor_under_pointer(Display* display, int screen);

// The top-left corner that centres a window of `size` on `monitor`.
inline ui::Point centred_on(ui::Rect monitor, ui::Size size) {
  return {monitor.x + (monitor.width - size.width) / 2, monitor.y + (monitor.height - size.height) / 2};
}

}  // namespace tessivar::x11
