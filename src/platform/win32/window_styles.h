// How each kind of window looks on Windows, and where it goes: its styles, its frame around the
// client area at a density, and its place centred on the work area of a monitor.
#pragma once

#include "platform/win32/windows_headers.h"
#include "ui/platform.h"

namespace tessivar::win32 {

struct WindowStyles {
  DWORD style = 0;
  DWORD extended = 0;
  // A window that must have no taskbar button but whose look forbids a tool window is owned by
  // a hidden window of ours instead, which keeps it off the taskbar.
  bool needs_hidden_owner = false;
};

// The splash: a popup with a one-pixel border; a tool window's extended style keeps it off the
// taskbar. The fixed dialog: a caption with the window menu and the close button only, no
// sizing frame. The tool window: the same with the narrow caption, which also keeps it off the
// taskbar.
WindowStyles window_styles(const ui::WindowDescription& description);

// The window rectangle (frame included, screen coordinates) for the client size at `dpi`,
// centred on the work area of `monitor`, or at that work area's top-left corner. A window larger
// than the work area keeps its top-left corner (and so its title bar) on it.
RECT window_placement(const WindowStyles& styles, ui::Size client_size, int dpi, HMONITOR monitor,
                      bool centred);

}  // namespace tessivar::win32
