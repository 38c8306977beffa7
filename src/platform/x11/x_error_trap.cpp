#include "platform/x11/x_error_trap.h"

namespace tessivar::x11 {

namespace {
XErrorTrap* innermost_trap = nullptr;
}  // namespace

int handle_x_error(Display* /*display*/, XErrorEvent* /*event*/) {
  // Outside a trap the error came from a request whose failure changes nothing we rely on, such
  // as focusing or raising a window the window manager is still mapping.
  if (innermost_trap) innermost_trap->caught_ = true;
  return 0;
}

void install_x_error_handler() { XSetErrorHandler(handle_x_error); }

XErrorTrap::XErrorTrap(Display* display) : display_(display), outer_(innermost_trap) {
  XSync(display_, False);
  innermost_trap = this;
}

XErrorTrap::~XErrorTrap() { innermost_trap = outer_; }

bool XErrorTrap::caught() {
  XSync(display_, False);
  return caught_;
}

}  // namespace tessivar::x11
