// The Xlib headers, included in one place and last, since they define macros (None, Bool,
// Status, True, False) that would otherwise collide with names elsewhere.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
