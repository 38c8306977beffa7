// The application icon, from the program file's icon group 1, at the two sizes Windows asks
// for: the large one (task switcher, taskbar) and the small one (caption, taskbar on XP), each
// at the density of the window that shows it.
#pragma once

#include <map>

#include "platform/win32/windows_headers.h"

namespace tessivar::win32 {

inline constexpr int kApplicationIconId = 1;

class WindowIcons {
 public:
  explicit WindowIcons(HINSTANCE instance) : instance_(instance) {}
  ~WindowIcons();
  WindowIcons(const WindowIcons&) = delete;
  WindowIcons& operator=(const WindowIcons&) = delete;

  // Gives the window both icons at the sizes Windows shows them at `dpi`, loaded once for each
  // density; a program file without the icon leaves the window without one.
  void apply(HWND window, int dpi);

 private:
  struct IconPair {
    HICON large_icon = nullptr;
    HICON small_icon = nullptr;
  };

  HINSTANCE instance_;
  std::map<int, IconPair> loaded_;  // by density
};

}  // namespace tessivar::win32
