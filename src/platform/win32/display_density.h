// The density (dots per inch) of the monitors and of our windows, and window frames measured at a
// density, through whichever of Windows's calls the running Windows has. Each call newer than XP
// is looked up at run time, so that the 32-bit program still starts on XP:
//   Windows 10 1703 and later  per-monitor awareness (version 2), each window at its monitor's
//                              density, told of a move to another density by WM_DPICHANGED;
//   Windows 8.1 and 10 before  the system's density for every window (the manifest's awareness);
//   Vista, 7 and 8             the same;
//   XP                         no awareness to declare: the screen's LOGPIXELSX (120 with large
//                              fonts) is the density of everything.
#pragma once

#include "platform/win32/windows_headers.h"
#include "ui/geometry.h"

namespace tessivar::win32 {

// The density a program that was told none draws at, and the one Windows answers for a monitor
// or window it knows nothing of.
inline constexpr int kDefaultDpi = 96;

// Messages of Windows 8.1 and 10 that the XP headers do not name.
inline constexpr UINT kDpiChangedMessage = 0x02E0;        // WM_DPICHANGED
inline constexpr UINT kGetDpiScaledSizeMessage = 0x02E4;  // WM_GETDPISCALEDSIZE

// Makes the process per-monitor aware, version 2, where Windows offers it (10, version 1703 on);
// true when it is so afterwards, whoever set it (the manifest sets it first on those Windows).
// Elsewhere the manifest's system awareness stands. Must run before the first window exists.
bool become_per_monitor_aware();

// The monitor that holds the pointer, where a window opened now is placed.
HMONITOR pointer_monitor();

// The density of `monitor` for this process: its own where the process is per-monitor aware
// (Windows 8.1 on), the system's otherwise. Never 0.
int monitor_dpi(HMONITOR monitor);

// The density the window is drawn at: its monitor's under per-monitor awareness, the system's
// otherwise. Never 0.
int window_dpi(HWND window);

// The window rectangle, frame included, whose client area is `client` at `dpi`, with its client
// area's top-left corner at (0, 0): the frame as Windows draws it at that density.
RECT frame_around(ui::Size client, DWORD style, DWORD extended_style, int dpi);

// A system metric (GetSystemMetrics's index) as Windows measures it at `dpi`; at the system's
// density where Windows measures at no other.
int system_metric_at(int index, int dpi);

// A client size at `from_dpi` carried to `to_dpi`, rounded to the nearest pixel.
ui::Size scaled_client_size(ui::Size client, int from_dpi, int to_dpi);

}  // namespace tessivar::win32
