#include "platform/win32/window_icon.h"

#include "platform/win32/display_density.h"

namespace tessivar::win32 {

namespace {

HICON load_icon(HINSTANCE instance, int width_metric, int height_metric, int dpi) {
  // LoadImage picks the group's image that suits the size best.
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kApplicationIconId), IMAGE_ICON,
                                       system_metric_at(width_metric, dpi),
                                       system_metric_at(height_metric, dpi), LR_DEFAULTCOLOR));
}

}  // namespace

WindowIcons::~WindowIcons() {
  for (const auto& [dpi, icons] : loaded_) {
    if (icons.large_icon) DestroyIcon(icons.large_icon);
    if (icons.small_icon) DestroyIcon(icons.small_icon);
  }
}

void WindowIcons::apply(HWND window, int dpi) {
  auto found = loaded_.find(dpi);
  if (found == loaded_.end()) {
    const IconPair icons{load_icon(instance_, SM_CXICON, SM_CYICON, dpi),
                         load_icon(instance_, SM_CXSMICON, SM_CYSMICON, dpi)};
    found = loaded_.emplace(dpi, icons).first;
  }
  const IconPair& icons = found->second;
  if (icons.large_icon) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.large_icon));
  }
  if (icons.small_icon) {
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small_icon));
  }
}

}  // namespace tessivar::win32
