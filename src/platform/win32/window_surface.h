// A window's pixel memory: a 32-bit top-down DIB section, whose layout (0x00RRGGBB, rows
// top-down) is the engine's own, so presenting is a plain copy with BitBlt.
#pragma once

#include "platform/win32/windows_headers.h"
#include "ui/geometry.h"
#include "ui/pixels.h"

namespace tessivar::win32 {

class WindowSurface {
 public:
  // Raises ui::PlatformError when the memory cannot be had.
  explicit WindowSurface(ui::Size size);
  ~WindowSurface();
  WindowSurface(const WindowSurface&) = delete;
  WindowSurface& operator=(const WindowSurface&) = delete;

  ui::PixelView pixels() const { return {bits_, size_.width, size_.width, size_.height}; }
  // Copies `area` (clipped to the surface here) to the same place of the window's client area.
  void present(HDC window_dc, ui::Rect area) const;

 private:
  ui::Size size_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_bitmap_ = nullptr;
  ui::Pixel* bits_ = nullptr;
};

// A 32-bit top-down DIB section of `size`; `bits` receives its memory. Null when it cannot be had.
HBITMAP create_pixel_bitmap(ui::Size size, ui::Pixel*& bits);

}  // namespace tessivar::win32
