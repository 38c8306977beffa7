#include "platform/win32/window_styles.h"

#include <algorithm>

#include "platform/win32/display_density.h"

namespace tessivar::win32 {

WindowStyles window_styles(const ui::WindowDescription& description) {
  WindowStyles styles;
  switch (description.kind) {
    case ui::WindowKind::Splash:
      styles.style = WS_POPUP | WS_BORDER;
      if (!description.taskbar_button) styles.extended |= WS_EX_TOOLWINDOW;
      break;
    case ui::WindowKind::FixedDialog:
      styles.style = WS_OVERLAPPED | WS_CAPTION;
      if (description.close_button) styles.style |= WS_SYSMENU;
      if (description.taskbar_button) {
        styles.extended |= WS_EX_APPWINDOW;
      } else {
        styles.needs_hidden_owner = true;
      }
      break;
    case ui::WindowKind::ToolWindow:
      styles.style = WS_OVERLAPPED | WS_CAPTION;
      if (description.close_button) styles.style |= WS_SYSMENU;
      styles.extended |= WS_EX_TOOLWINDOW;
      if (description.taskbar_button) styles.extended |= WS_EX_APPWINDOW;
      break;
  }
  return styles;
}

RECT window_placement(const WindowStyles& styles, ui::Size client_size, int dpi, HMONITOR monitor,
                      bool centred) {
  const RECT frame = frame_around(client_size, styles.style, styles.extended, dpi);
  const LONG width = frame.right - frame.left;
  const LONG height = frame.bottom - frame.top;

  MONITORINFO info{};
  info.cbSize = sizeof info;
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (monitor && GetMonitorInfoW(monitor, &info)) work = info.rcWork;

  LONG left = work.left;
  LONG top = work.top;
  if (centred) {
    left = std::max(work.left, work.left + (work.right - work.left - width) / 2);
    top = std::max(work.top, work.top + (work.bottom - work.top - height) / 2);
  }
  return {left, top, left + width, top + height};
}

}  // namespace tessivar::win32
