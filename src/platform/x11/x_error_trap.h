// X protocol errors. Some requests may fail harmlessly (focusing a window the window manager has
// not mapped yet, attaching shared memory to a server on another machine); the program goes on
// after them. A trap catches the errors of the requests made while it lives.
#pragma once

#include "platform/x11/x11_display.h"

namespace tessivar::x11 {

// Replaces Xlib's default handler, which ends the process on any protocol error.
void install_x_error_handler();

class XErrorTrap {
 public:
  explicit XErrorTrap(Display* display);
  ~XErrorTrap();
  XErrorTrap(const XErrorTrap&) = delete;
  XErrorTrap& operator=(const XErrorTrap&) = delete;

  // Whether a request made since the trap was set failed; syncs with the server first.
  bool caught();

 private:
  Display* display_;
  XErrorTrap* outer_;
  bool caught_ = false;
  friend int handle_x_error(Display*, XErrorEvent*);
};

}  // namespace tessivar::x11
