// Holds the Windows backend to the density of the screen it runs on. Run under Wine by
// tests/win32/wine_density_test.sh with the prefix's screen density set to the one given:
//   density_check.exe EXPECTED_DPI
// - screen_dpi() is the screen's density;
// - each kind of window opens with a client area of exactly the size asked for, frame measured
//   at that density;
// - set_client_size makes the client area and the pixel memory of the new size, every pixel of
//   it shown, the window's top-left corner staying;
// - WM_DPICHANGED moves the window to the place Windows suggests and gives the engine a
//   DensityChanged input with the new density; WM_GETDPISCALEDSIZE answers a window whose client
//   area is scaled, not its frame;
// - fonts opened at a density are that much larger than at 96.
// Prints a line for every check that fails, the measured numbers, and ends with status 1 when a
// check fails.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win32/display_density.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_headers.h"

namespace {

namespace ui = tessivar::ui;
using tessivar::win32::Win32Platform;

constexpr UINT kDpiChanged = 0x02E0;        // WM_DPICHANGED
constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE

int failures = 0;

void fail(const std::string& what) {
  std::printf("FAIL: %s\n", what.c_str());
  ++failures;
}

std::string size_text(long width, long height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

struct KindCase {
  const char* what;
  ui::WindowKind kind;
  bool taskbar_button;
};

// The window kinds the program opens, each with its own frame.
constexpr KindCase kKinds[] = {
    {"splash", ui::WindowKind::Splash, false},
    {"fixed dialog", ui::WindowKind::FixedDialog, true},
    {"fixed dialog without a taskbar button", ui::WindowKind::FixedDialog, false},
    {"tool window", ui::WindowKind::ToolWindow, false},
};

ui::Size client_size_of(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right - client.left, client.bottom - client.top};
}

RECT window_rect_of(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  return place;
}

// The inputs that come within a short while, looking for the one that says the window is at
// `dpi`.
bool density_change_arrives(Win32Platform& platform, ui::WindowHandle window, int dpi) {
  ui::Input input;
  bool seen = false;
  while (platform.wait_input(platform.now() + 200, input) == ui::WaitStatus::Input) {
    if (input.kind == ui::InputKind::DensityChanged && input.window == window && input.dpi == dpi) {
      seen = true;
    }
  }
  return seen;
}

// Every pixel of the memory is painted and presented; the window's last pixel must show it.
void check_every_pixel_shown(Win32Platform& platform, ui::WindowHandle handle, HWND window,
                             const std::string& what) {
  const ui::PixelView pixels = platform.window_pixels(handle);
  const ui::Pixel colour = ui::make_pixel(0x20, 0x90, 0xD0);
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) pixels.at(x, y) = colour;
  }
  const ui::Rect all{0, 0, pixels.width, pixels.height};
  platform.present(handle, {&all, 1});
  GdiFlush();
  HDC dc = GetDC(window);
  const COLORREF shown = GetPixel(dc, pixels.width - 1, pixels.height - 1);
  ReleaseDC(window, dc);
  if (GetRValue(shown) != 0x20 || GetGValue(shown) != 0x90 || GetBValue(shown) != 0xD0) {
    fail(what + ": the client area's last pixel does not show the window's pixel memory");
  }
}

void check_window_kind(Win32Platform& platform, const KindCase& kind, int dpi) {
  const std::string title = std::string("Tessivar density check: ") + kind.what;
  const ui::Size asked{300, 200};
  const ui::WindowHandle handle = platform.create_window({.kind = kind.kind,
                                                          .title = title,
                                                          .taskbar_button = kind.taskbar_button,
                                                          .client_size = asked});
  platform.show_window(handle);
  const std::wstring wide_title(title.begin(), title.end());
  HWND window = FindWindowW(nullptr, wide_title.c_str());
  if (!window) {
    fail(std::string(kind.what) + ": its window cannot be found");
    platform.destroy_window(handle);
    return;
  }
  const ui::Size opened = client_size_of(window);
  if (opened != asked) {
    fail(std::string(kind.what) + ": opened with a client area of " +
         size_text(opened.width, opened.height) + ", asked " + size_text(300, 200));
  }
  const RECT before = window_rect_of(window);
  std::printf("%s: client %s, window %s\n", kind.what,
              size_text(opened.width, opened.height).c_str(),
              size_text(before.right - before.left, before.bottom - before.top).c_str());

  // The engine's answer to a new density: a new client size.
  const ui::Size resized{437, 251};
  platform.set_client_size(handle, resized);
  const ui::Size now = client_size_of(window);
  const RECT after = window_rect_of(window);
  const ui::PixelView pixels = platform.window_pixels(handle);
  if (now != resized) {
    fail(std::string(kind.what) + ": set_client_size made the client area " +
         size_text(now.width, now.height) + ", not " + size_text(437, 251));
  }
  if (after.left != before.left || after.top != before.top) {
    fail(std::string(kind.what) + ": set_client_size moved the window's top-left corner");
  }
  if (pixels.width != resized.width || pixels.height != resized.height || !pixels.data ||
      pixels.pitch < pixels.width) {
    fail(std::string(kind.what) + ": the pixel memory is " +
         size_text(pixels.width, pixels.height) + " after set_client_size");
  }
  check_every_pixel_shown(platform, handle, window, kind.what);

  // Moved to a monitor of twice the density, as Windows tells it.
  const int new_dpi = dpi * 2;
  SIZE proposed{0, 0};
  if (SendMessageW(window, kGetDpiScaledSize, MAKEWPARAM(new_dpi, new_dpi),
                   reinterpret_cast<LPARAM>(&proposed))) {
    // What of that window would be frame at the new density, measured by Windows itself.
    RECT frame{0, 0, 0, 0};
    using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjust = reinterpret_cast<Adjust>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (adjust) {
      adjust(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
             static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), static_cast<UINT>(new_dpi));
      const long client_width = proposed.cx - (frame.right - frame.left);
      const long client_height = proposed.cy - (frame.bottom - frame.top);
      if (client_width != 2 * resized.width || client_height != 2 * resized.height) {
        fail(std::string(kind.what) + ": WM_GETDPISCALEDSIZE proposes a client area of " +
             size_text(client_width, client_height) + " at twice the density");
      }
    }
  } else {
    fail(std::string(kind.what) + ": WM_GETDPISCALEDSIZE is not answered");
  }
  const RECT suggested{after.left + 13, after.top + 17, after.left + 13 + 900,
                       after.top + 17 + 560};
  SendMessageW(window, kDpiChanged, MAKEWPARAM(new_dpi, new_dpi),
               reinterpret_cast<LPARAM>(&suggested));
  const RECT moved = window_rect_of(window);
  if (moved.left != suggested.left || moved.top != suggested.top ||
      moved.right != suggested.right || moved.bottom != suggested.bottom) {
    fail(std::string(kind.what) + ": WM_DPICHANGED did not move the window to the suggested place");
  }
  if (!density_change_arrives(platform, handle, new_dpi)) {
    fail(std::string(kind.what) + ": WM_DPICHANGED gave the engine no DensityChanged input at " +
         std::to_string(new_dpi));
  }
  platform.destroy_window(handle);
}

// The same font at each density is that many times larger than at 96, line and run alike.
void check_fonts(Win32Platform& platform) {
  const ui::FontSpec spec{.face = "Tahoma", .points = 8.25};
  const auto at_96 = platform.open_font(spec, 96);
  const int line_96 = at_96->metrics().line_height;
  const int run_96 = at_96->measure("Tessivar start screen");
  std::printf("Tahoma 8.25 pt at 96: line %d, run %d\n", line_96, run_96);
  for (const int dpi : {120, 144, 192}) {
    const auto font = platform.open_font(spec, dpi);
    const int line = font->metrics().line_height;
    const int run = font->measure("Tessivar start screen");
    std::printf("Tahoma 8.25 pt at %d: line %d, run %d\n", dpi, line, run);
    const double scale = dpi / 96.0;
    // Hinting moves each size by a pixel or two, never by the scale.
    if (std::abs(line - line_96 * scale) > 2.0 || std::abs(run - run_96 * scale) > run_96 * 0.1) {
      fail("Tahoma 8.25 pt at " + std::to_string(dpi) + " is not " + std::to_string(scale) +
           " times its size at 96");
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || std::atoi(argv[1]) <= 0) {
    std::printf("usage: density_check EXPECTED_DPI\n");
    return 2;
  }
  const int expected = std::atoi(argv[1]);
  try {
    Win32Platform platform;
    const int dpi = platform.screen_dpi();
    // Asked again only to say it: the platform has made the process as aware as it can be.
    std::printf("screen_dpi %d; per-monitor aware (version 2): %s\n", dpi,
                tessivar::win32::become_per_monitor_aware() ? "yes" : "no");
    if (dpi != expected) fail("screen_dpi is " + std::to_string(dpi) + ", not " + argv[1]);
    for (const KindCase& kind : kKinds) check_window_kind(platform, kind, dpi);
    check_fonts(platform);
  } catch (const std::exception& failure) {
    std::printf("the density check failed: %s\n", failure.what());
    return 2;
  }
  std::printf("%s\n", failures == 0 ? "all density checks pass" : "some density checks fail");
  return failures == 0 ? 0 : 1;
}
