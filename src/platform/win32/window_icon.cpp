#include "platform/win32/window_icon.h"

namespace tessivar::win32 {

namespace {

HICON load_icon(HINSTANCE instance, int width_metric, int height_metric) {
  // LoadImage picks the group's image that suits the size best.
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kApplicationIconId), IMAGE_ICON,
                                       GetSystemMetrics(width_metric),
                                       GetSystemMetrics(height_metric), LR_DEFAULTCOLOR));
}

}  // namespace

WindowIcons::WindowIcons(HINSTANCE instance)
    : large_(load_icon(instance, SM_CXICON, SM_CYICON)),
      small_(load_icon(instance, SM_CXSMICON, SM_CYSMICON)) {}

WindowIcons::~WindowIcons() {
  if (large_) DestroyIcon(large_);
  if (small_) DestroyIcon(small_);
}

void WindowIcons::apply(HWND window) const {
  if (large_) SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large_));
  if (small_) SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_));
}

}  // namespace tessivar::win32
