#include "platform/win32/window_surface.h"

#include <string>

#include "ui/errors.h"

namespace tessivar::win32 {

HBITMAP create_pixel_bitmap(ui::Size size, ui::Pixel*& bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.width;
  info.bmiHeader.biHeight = -size.height;  // negative: the first row is the top one
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* memory = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
  bits = bitmap ? static_cast<ui::Pixel*>(memory) : nullptr;
  return bitmap;
}

WindowSurface::WindowSurface(ui::Size size) : size_(size) {
  bitmap_ = create_pixel_bitmap(size_, bits_);
  dc_ = CreateCompatibleDC(nullptr);
  if (!bitmap_ || !dc_) {
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
    throw ui::PlatformError("Not enough memory for a window of " + std::to_string(size.width) +
                            " by " + std::to_string(size.height) + " pixels");
  }
  old_bitmap_ = SelectObject(dc_, bitmap_);
}

WindowSurface::~WindowSurface() {
  SelectObject(dc_, old_bitmap_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}

void WindowSurface::present(HDC window_dc, ui::Rect area) const {
  const ui::Rect clipped = area.intersect({0, 0, size_.width, size_.height});
  if (clipped.empty()) return;
  // The engine wrote the pixels directly; nothing of GDI's is pending on this bitmap.
  BitBlt(window_dc, clipped.x, clipped.y, clipped.width, clipped.height, dc_, clipped.x, clipped.y,
         SRCCOPY);
}

}  // namespace tessivar::win32
