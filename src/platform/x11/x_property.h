// Reading a window's format-32 property (CARDINAL numbers, ATOM lists), as the window manager
// writes them on the root window and on ours.
#pragma once

#include <vector>

// The Xlib headers come last.
#include "platform/x11/x11_display.h"

namespace tessivar::x11 {

// The values of `property` of `window` when it is of `type` and format 32 (C longs on the client
// side, whatever their width); empty when it is absent or of another kind.
std::vector<unsigned long> read_format32_property(Display* display, Window window, Atom property,
                                                  Atom type);

}  // namespace tessivar::x11
