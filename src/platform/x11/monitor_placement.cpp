#include "platform/x11/monitor_placement.h"

#include <X11/extensions/Xrandr.h>

namespace tessivar::x11 {

ui::Rect monitor_under_pointer(Display* display, int screen) {
  const Window root = RootWindow(display, screen);
  const ui::Rect whole{0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)};
  Window root_back = 0, child = 0;
  int x = 0, y = 0, window_x = 0, window_y = 0;
  unsigned mask = 0;
  if (!XQueryPointer(display, root, &root_back, &child, &x, &y, &window_x, &window_y, &mask)) {
    return whole;
  }
  int event_base = 0, error_base = 0;
  if (!XRRQueryExtension(display, &event_base, &error_base)) return whole;
  int count = 0;
  XRRMonitorInfo* monitors = XRRGetMonitors(display, root, True, &count);
  if (monitors == nullptr) return whole;
  ui::Rect found = whole;
  for (int i = 0; i < count; ++i) {
    const ui::Rect m{monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height};
    if (m.contains({x, y})) {
      found = m;
      break;
    }
  }
  XRRFreeMonitors(monitors);
  return found;
}

}  // namespace tessivar::x11
