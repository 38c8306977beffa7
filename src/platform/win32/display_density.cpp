#include "platform/win32/display_density.h"

#include <algorithm>

namespace tessivar::win32 {

namespace {

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: the density the user chose for the monitor

using SetProcessDpiAwarenessContextFunction = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
using GetThreadDpiAwarenessContextFunction = DPI_AWARENESS_CONTEXT(WINAPI*)();
using AreDpiAwarenessContextsEqualFunction = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT,
                                                           DPI_AWARENESS_CONTEXT);
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForSystemFunction = UINT(WINAPI*)();
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

// GetProcAddress answers with one generic function type; the cast to the function's own type
// goes through the type that every function pointer converts to without a warning.
template <typename Function>
Function find_function(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The density calls of the running Windows, each null where it has none. Looked up once:
// a library once loaded stays loaded for the life of the process.
struct DensityFunctions {
  DensityFunctions() {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    set_process_awareness = find_function<SetProcessDpiAwarenessContextFunction>(
        user32, "SetProcessDpiAwarenessContext");
    get_thread_awareness =
        find_function<GetThreadDpiAwarenessContextFunction>(user32, "GetThreadDpiAwarenessContext");
    awareness_equal =
        find_function<AreDpiAwarenessContextsEqualFunction>(user32, "AreDpiAwarenessContextsEqual");
    dpi_for_window = find_function<GetDpiForWindowFunction>(user32, "GetDpiForWindow");
    dpi_for_system = find_function<GetDpiForSystemFunction>(user32, "GetDpiForSystem");
    adjust_for_dpi =
        find_function<AdjustWindowRectExForDpiFunction>(user32, "AdjustWindowRectExForDpi");
    metric_for_dpi =
        find_function<GetSystemMetricsForDpiFunction>(user32, "GetSystemMetricsForDpi");
    // shcore.dll is Windows 8.1's; it is loaded from the system folder only, never from the
    // program's or the current folder, where anyone could have put a file of that name. Windows
    // that cannot search the system folder alone (XP, Vista and 7 without their update) refuse
    // the flag, and have no shcore.dll either.
    const HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    dpi_for_monitor = find_function<GetDpiForMonitorFunction>(shcore, "GetDpiForMonitor");
  }

  SetProcessDpiAwarenessContextFunction set_process_awareness = nullptr;
  GetThreadDpiAwarenessContextFunction get_thread_awareness = nullptr;
  AreDpiAwarenessContextsEqualFunction awareness_equal = nullptr;
  GetDpiForWindowFunction dpi_for_window = nullptr;
  GetDpiForSystemFunction dpi_for_system = nullptr;
  AdjustWindowRectExForDpiFunction adjust_for_dpi = nullptr;
  GetSystemMetricsForDpiFunction metric_for_dpi = nullptr;
  GetDpiForMonitorFunction dpi_for_monitor = nullptr;
};

const DensityFunctions& functions() {
  static const DensityFunctions found;
  return found;
}

int usable(UINT dpi) {
  return dpi == 0 ? kDefaultDpi : static_cast<int>(dpi);
}

// The density of every window of a process that is not per-monitor aware, and of the screen on
// Windows that know only one.
int system_dpi() {
  if (functions().dpi_for_system) return usable(functions().dpi_for_system());
  int dpi = 0;
  if (HDC screen = GetDC(nullptr)) {
    dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
  }
  return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace

bool become_per_monitor_aware() {
  const DensityFunctions& found = functions();
  if (!found.set_process_awareness) return false;
  // Refused where the manifest has set the awareness already (ERROR_ACCESS_DENIED) and on
  // Windows 10 before 1703, which knows no version 2 (ERROR_INVALID_PARAMETER); either way the
  // awareness that stands is read back.
  found.set_process_awareness(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  return found.get_thread_awareness && found.awareness_equal &&
         found.awareness_equal(found.get_thread_awareness(),
                               DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

HMONITOR pointer_monitor() {
  POINT pointer{0, 0};
  GetCursorPos(&pointer);
  return MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY);
}

int monitor_dpi(HMONITOR monitor) {
  if (monitor && functions().dpi_for_monitor) {
    UINT x = 0;
    UINT y = 0;
    if (SUCCEEDED(functions().dpi_for_monitor(monitor, kEffectiveDpi, &x, &y)) && x > 0) {
      return static_cast<int>(x);
    }
  }
  return system_dpi();
}

int window_dpi(HWND window) {
  if (functions().dpi_for_window) {
    if (const UINT dpi = functions().dpi_for_window(window); dpi > 0) return static_cast<int>(dpi);
  }
  return system_dpi();
}

RECT frame_around(ui::Size client, DWORD style, DWORD extended_style, int dpi) {
  RECT frame{0, 0, client.width, client.height};
  const bool measured =
      functions().adjust_for_dpi &&
      functions().adjust_for_dpi(&frame, style, FALSE, extended_style, static_cast<UINT>(dpi));
  // Without it, Windows measures the frame at the system's density, the only one it has.
  if (!measured) {
    frame = {0, 0, client.width, client.height};
    AdjustWindowRectEx(&frame, style, FALSE, extended_style);
  }
  return frame;
}

int system_metric_at(int index, int dpi) {
  if (functions().metric_for_dpi) {
    if (const int metric = functions().metric_for_dpi(index, static_cast<UINT>(dpi)); metric > 0) {
      return metric;
    }
  }
  return GetSystemMetrics(index);
}

ui::Size scaled_client_size(ui::Size client, int from_dpi, int to_dpi) {
  if (from_dpi <= 0 || to_dpi <= 0) return client;
  return {std::max(1, MulDiv(client.width, to_dpi, from_dpi)),
          std::max(1, MulDiv(client.height, to_dpi, from_dpi))};
}

}  // namespace tessivar::win32
