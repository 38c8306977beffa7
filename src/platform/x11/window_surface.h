// A window's pixel memory, in the server's own 32-bit layout so that presenting is a plain copy:
// shared with the server through MIT-SHM where it offers it, sent with XPutImage otherwise.
#pragma once

#include "ui/geometry.h"
#include "ui/pixels.h"
// The Xlib headers come last.
#include "platform/x11/x11_display.h"

#include <X11/extensions/XShm.h>

namespace tessivar::x11 {

// Whether a visual stores pixels as 0x00RRGGBB in 32 bits, the engine's own layout.
bool visual_matches_pixels(Display* display, Visual* visual, int depth);

class WindowSurface {
 public:
  // Raises ui::PlatformError when the memory cannot be had.
  WindowSurface(Display* display, Visual* visual, int depth, ui::Size size, bool try_shared);
  ~WindowSurface();
  WindowSurface(const WindowSurface&) = delete;
  WindowSurface& operator=(const WindowSurface&) = delete;

  ui::PixelView pixels() const;
  bool shared() const { return shared_; }
  // Copies `area` (already clipped to the surface) to the same place in `drawable`.
  void put(Drawable drawable, GC gc, ui::Rect area) const;

 private:
  Display* display_;
  XImage* image_ = nullptr;
  XShmSegmentInfo segment_{};
  bool shared_ = false;
};

}  // namespace tessivar::x11
