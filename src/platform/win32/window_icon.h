// The application icon, from the program file's icon group 1, at the two sizes Windows asks
// for: the large one (task switcher, taskbar) and the small one (caption, taskbar on XP).
#pragma once

#include "platform/win32/windows_headers.h"

namespace tessivar::win32 {

inline constexpr int kApplicationIconId = 1;

class WindowIcons {
 public:
  explicit WindowIcons(HINSTANCE instance);
  ~WindowIcons();
  WindowIcons(const WindowIcons&) = delete;
  WindowIcons& operator=(const WindowIcons&) = delete;

  // Gives the window both icons; a program file without the icon leaves the window without one.
  void apply(HWND window) const;

 private:
  HICON large_ = nullptr;
  HICON small_ = nullptr;
};

}  // namespace tessivar::win32
