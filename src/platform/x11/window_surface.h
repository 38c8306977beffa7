// A window's pixel memory and the server image it is presented through: shared with the server
// through MIT-SHM where it offers it, sent with XPutImage otherwise. When the visual stores
// 0x00RRGGBB in 32 bits the engine paints straight into the image and presenting is a plain
// copy; for any other TrueColor layout the engine paints into memory of its own and presenting
// converts the presented rectangle into the image first.
#pragma once

#include <memory>
#include <optional>

#include "platform/x11/pixel_converter.h"
#include "ui/geometry.h"
#include "ui/pixels.h"
// The Xlib headers come last.
#include "platform/x11/x11_display.h"

#include <X11/extensions/XShm.h>

namespace tessivar::x11 {

class WindowSurface {
 public:
  // Raises ui::PlatformError when the memory cannot be had or the visual's pixels cannot be
  // written.
  WindowSurface(Display* display, Visual* visual, int depth, ui::Size size, bool try_shared);
  ~WindowSurface();
  WindowSurface(const WindowSurface&) = delete;
  WindowSurface& operator=(const WindowSurface&) = delete;

  // The engine's 0xAARRGGBB pixels.
  ui::PixelView pixels() const { return pixels_; }
  // The same, to be painted now: the first call makes every page of the memory at once.
  ui::PixelView pixels_for_painting();
  bool pages_made() const { return pages_made_; }
  bool shared() const { return shared_; }
  // Whether presenting converts the pixels into the server's format.
  bool converts() const { return converter_.has_value(); }
  // Copies `area` (already clipped to the surface) to the same place in `drawable`.
  void put(Drawable drawable, GC gc, ui::Rect area) const;

 private:
  void release_image();

  Display* display_;
  XImage* image_ = nullptr;
  XShmSegmentInfo segment_{};
  bool shared_ = false;
  bool pages_made_ = false;
  std::optional<PixelConverter> converter_;
  std::unique_ptr<ui::Pixel[]> own_pixels_;  // the engine's pixels when they are converted
  ui::PixelView pixels_;
};

}  // namespace tessivar::x11
