// Where a window goes when it is first shown: centred, frame and all, on the monitor that holds
// the pointer (so a user with two screens sees it where they are looking), and kept inside that
// monitor's work area (clear of panels) so that its title bar and close button can be reached.
#pragma once

#include <optional>

#include "platform/x11/x_atoms.h"
#include "ui/geometry.h"
// The Xlib headers come last.
#include "platform/x11/x11_display.h"

namespace tessivar::x11 {

// The widths of the frame the window manager draws round a client area.
struct FrameExtents {
  int left = 0, right = 0, top = 0, bottom = 0;
  friend bool operator==(const FrameExtents&, const FrameExtents&) = default;
};

// The monitor (from RandR) that holds the pointer, or the whole screen when RandR knows none.
ui::Rect monitor_under_pointer(Display* display, int screen);

// The part of `monitor` the manager leaves to windows (_NET_WORKAREA of the current desktop),
// the whole monitor when it says none.
ui::Rect work_area_on(Display* display, int screen, const XAtoms& atoms, ui::Rect monitor);

// The frame the manager has said it puts round `window` (_NET_FRAME_EXTENTS), if it has.
std::optional<FrameExtents> frame_extents_of(Display* display, Window window, const XAtoms& atoms);

// The client area's top-left corner that centres the whole frame on `monitor`. Along an axis on
// which the frame fits the work area it is moved inside it as far as needed; along one on which
// it does not, the frame starts at the work area's start, so that its title bar and close
// button stay on the screen.
ui::Point client_position_for(ui::Rect monitor, ui::Rect work_area, ui::Size client,
                              FrameExtents frame);

}  // namespace tessivar::x11
