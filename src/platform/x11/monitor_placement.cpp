#include "platform/x11/monitor_placement.h"

#include <algorithm>
#include <vector>

#include "platform/x11/x_property.h"

#include <X11/extensions/Xrandr.h>

namespace tessivar::x11 {

namespace {

// One axis of the placement: where a frame `length` long starts.
int frame_start(int monitor_start, int monitor_length, int area_start, int area_length,
                int length) {
  const int centred = monitor_start + (monitor_length - length) / 2;
  if (length > area_length) return area_start;
  return std::clamp(centred, area_start, area_start + area_length - length);
}

}  // namespace

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

ui::Rect work_area_on(Display* display, int screen, const XAtoms& atoms, ui::Rect monitor) {
  const std::vector<unsigned long> areas = read_format32_property(
      display, RootWindow(display, screen), atoms.net_workarea, XA_CARDINAL);
  // Managers give one rectangle a desktop; they are the same on every desktop in practice, and
  // the first is the one every manager sets.
  if (areas.size() < 4) return monitor;
  const ui::Rect area{static_cast<int>(areas[0]), static_cast<int>(areas[1]),
                      static_cast<int>(areas[2]), static_cast<int>(areas[3])};
  const ui::Rect on_monitor = area.intersect(monitor);
  return on_monitor.empty() ? monitor : on_monitor;
}

std::optional<FrameExtents> frame_extents_of(Display* display, Window window, const XAtoms& atoms) {
  const std::vector<unsigned long> e =
      read_format32_property(display, window, atoms.net_frame_extents, XA_CARDINAL);
  if (e.size() < 4) return std::nullopt;
  const auto held = [](unsigned long v) {
    return static_cast<int>(std::clamp(static_cast<long>(v), 0L, 1000L));
  };
  return FrameExtents{held(e[0]), held(e[1]), held(e[2]), held(e[3])};
}

ui::Point client_position_for(ui::Rect monitor, ui::Rect work_area, ui::Size client,
                              FrameExtents frame) {
  const int x = frame_start(monitor.x, monitor.width, work_area.x, work_area.width,
                            client.width + frame.left + frame.right);
  const int y = frame_start(monitor.y, monitor.height, work_area.y, work_area.height,
                            client.height + frame.top + frame.bottom);
  return {x + frame.left, y + frame.top};
}

}  // namespace tessivar::x11
