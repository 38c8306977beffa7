#include "platform/win32/win32_platform.h"

#include <algorithm>
#include <deque>
#include <map>
#include <string>

#include "platform/win32/clock_text.h"
#include "platform/win32/display_density.h"
#include "platform/win32/error_window.h"
#include "platform/win32/gdi_font.h"
#include "platform/win32/key_translation.h"
#include "platform/win32/process_launcher.h"
#include "platform/win32/substitute_faces.h"
#include "platform/win32/tick_clock.h"
#include "platform/win32/utf16.h"
#include "platform/win32/window_icon.h"
#include "platform/win32/window_styles.h"
#include "platform/win32/window_surface.h"
#include "platform/win32/windows_headers.h"

namespace tessivar::win32 {

using ui::Input;
using ui::InputKind;

namespace {

constexpr wchar_t kWindowClass[] = L"TessivarWindow";
constexpr wchar_t kOwnerClass[] = L"TessivarHiddenOwner";
constexpr char kReportTitle[] = "Tessivar";
// The longest single wait: the tick count must be read well within its 49.7-day wrap.
constexpr ui::Millis kLongestWait = 60'000;

ui::Point client_point(LPARAM lparam) {
  // Signed: with the mouse captured, the pointer may be left of or above the client area.
  return {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

// Resizes the window, its top-left corner staying, so that its client area is `client` at `dpi`.
bool fit_client_area(HWND hwnd, ui::Size client, int dpi) {
  const auto style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  const auto extended = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
  const RECT frame = frame_around(client, style, extended, dpi);
  const LONG width = frame.right - frame.left;
  const LONG height = frame.bottom - frame.top;
  if (IsIconic(hwnd)) {
    // A minimised window takes its size when it is restored.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(hwnd, &placement)) return false;
    placement.rcNormalPosition.right = placement.rcNormalPosition.left + width;
    placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + height;
    return SetWindowPlacement(hwnd, &placement) != FALSE;
  }
  return SetWindowPos(hwnd, nullptr, 0, 0, width, height,
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

struct NativeWindow {
  HWND hwnd = nullptr;
  std::unique_ptr<WindowSurface> surface;
  bool shown = false;
  bool has_icon = false;
};

}  // namespace

class Win32Platform::Impl {
 public:
  Impl();
  ~Impl();

  ui::WindowHandle create_window(const ui::WindowDescription& description);
  void destroy_window(ui::WindowHandle window);
  void show_window(ui::WindowHandle window);
  ui::PixelView window_pixels(ui::WindowHandle window);
  void present(ui::WindowHandle window, std::span<const ui::Rect> areas);
  ui::WaitStatus wait_input(std::optional<ui::Millis> deadline, Input& input);
  ui::Millis now() { return clock_.extend(GetTickCount()); }
  int screen_dpi();
  void set_client_size(ui::WindowHandle window, ui::Size size);
  const SubstituteFaces& faces() const { return faces_; }

 private:
  static LRESULT CALLBACK window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT handle(ui::WindowHandle handle, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void move_to_new_density(ui::WindowHandle handle, HWND hwnd, WPARAM wparam, LPARAM lparam);
  static bool suggest_size_at_density(HWND hwnd, WPARAM wparam, LPARAM lparam);
  void paint(ui::WindowHandle handle, HWND hwnd);
  HWND hidden_owner();
  void queue(Input input) { queue_.push_back(input); }
  bool is_ours(HWND hwnd) const { return handles_.contains(hwnd); }

  // First of all: the awareness decides what every later call answers, the icons' sizes too.
  [[maybe_unused]] const bool per_monitor_aware_ = become_per_monitor_aware();
  HINSTANCE instance_;
  WindowIcons icons_;
  TickClock clock_;
  SubstituteFaces faces_;
  CharacterJoiner characters_;
  std::map<ui::WindowHandle, NativeWindow> windows_;
  std::map<HWND, ui::WindowHandle> handles_;
  std::deque<Input> queue_;
  HWND hidden_owner_ = nullptr;
  ui::WindowHandle next_handle_ = 1;
  // The density screen_dpi() last answered, which the engine lays the next window out at; 0
  // before it is asked.
  int promised_dpi_ = 0;
};

Win32Platform::Impl::Impl() : instance_(GetModuleHandleW(nullptr)), icons_(instance_) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  // No CS_DBLCLKS: the second press of a double click is a press like the first.
  window_class.style = 0;
  window_class.lpfnWndProc = window_procedure;
  window_class.hInstance = instance_;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = nullptr;  // the surface paints every pixel; no flash of colour
  window_class.lpszClassName = kWindowClass;
  if (!RegisterClassExW(&window_class)) {
    throw ui::PlatformError("Cannot register the window class: " + system_message(GetLastError()));
  }
  now();
}

Win32Platform::Impl::~Impl() {
  while (!windows_.empty()) destroy_window(windows_.begin()->first);
  if (hidden_owner_) DestroyWindow(hidden_owner_);
  UnregisterClassW(kWindowClass, instance_);
  UnregisterClassW(kOwnerClass, instance_);
}

HWND Win32Platform::Impl::hidden_owner() {
  if (hidden_owner_) return hidden_owner_;
  WNDCLASSEXW owner_class{};
  owner_class.cbSize = sizeof owner_class;
  owner_class.lpfnWndProc = DefWindowProcW;
  owner_class.hInstance = instance_;
  owner_class.lpszClassName = kOwnerClass;
  RegisterClassExW(&owner_class);
  hidden_owner_ = CreateWindowExW(WS_EX_TOOLWINDOW, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, instance_, nullptr);
  return hidden_owner_;
}

int Win32Platform::Impl::screen_dpi() {
  promised_dpi_ = monitor_dpi(pointer_monitor());
  return promised_dpi_;
}

ui::WindowHandle Win32Platform::Impl::create_window(const ui::WindowDescription& description) {
  const ui::Size size{std::max(description.client_size.width, 1),
                      std::max(description.client_size.height, 1)};
  const WindowStyles styles = window_styles(description);
  // The window opens on the monitor that holds the pointer, so its frame is measured at that
  // monitor's density.
  const HMONITOR monitor = pointer_monitor();
  const int dpi = monitor_dpi(monitor);
  const RECT place = window_placement(styles, size, dpi, monitor, description.centred);
  NativeWindow native;
  native.surface = std::make_unique<WindowSurface>(size);
  const std::wstring title = to_utf16(description.title);
  native.hwnd = CreateWindowExW(
      styles.extended, kWindowClass, title.c_str(), styles.style, place.left, place.top,
      place.right - place.left, place.bottom - place.top,
      styles.needs_hidden_owner ? hidden_owner() : nullptr, nullptr, instance_, this);
  if (!native.hwnd) {
    throw ui::PlatformError("Cannot create the window \"" + std::string(description.title) +
                            "\": " + system_message(GetLastError()));
  }
  native.has_icon = !description.icon_ico.empty();
  if (native.has_icon) icons_.apply(native.hwnd, dpi);
  const ui::WindowHandle handle = next_handle_++;
  handles_[native.hwnd] = handle;
  const HWND hwnd = native.hwnd;
  windows_.emplace(handle, std::move(native));

  // Windows gives a window the density of the monitor that holds most of it, which may not be
  // the one measured (a window wider than its monitor, the pointer moved meanwhile): the frame
  // is measured again at the window's own, and the engine, which laid the window out at the
  // density it was promised, is told of the one the window has.
  const int actual = window_dpi(hwnd);
  if (actual != dpi) {
    fit_client_area(hwnd, size, actual);
    if (windows_.at(handle).has_icon) icons_.apply(hwnd, actual);
  }
  const int expected = promised_dpi_ != 0 ? promised_dpi_ : dpi;
  if (actual != expected) {
    queue({.kind = InputKind::DensityChanged, .window = handle, .dpi = actual});
  }
  return handle;
}

void Win32Platform::Impl::set_client_size(ui::WindowHandle window, ui::Size size) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return;
  NativeWindow& native = it->second;
  const ui::Size client{std::max(size.width, 1), std::max(size.height, 1)};
  // The new memory first: should there be none, the window stays as it was, whole.
  auto surface = std::make_unique<WindowSurface>(client);
  if (!fit_client_area(native.hwnd, client, window_dpi(native.hwnd))) {
    throw ui::PlatformError("Cannot resize the window to " + std::to_string(client.width) + " by " +
                            std::to_string(client.height) +
                            " pixels: " + system_message(GetLastError()));
  }
  native.surface = std::move(surface);
}

void Win32Platform::Impl::destroy_window(ui::WindowHandle window) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return;
  // Forgotten first: what Windows sends while the window goes (its deactivation) is not news
  // for the engine, which has unloaded it already.
  const HWND hwnd = it->second.hwnd;
  handles_.erase(hwnd);
  DestroyWindow(hwnd);
  windows_.erase(it);
}

void Win32Platform::Impl::show_window(ui::WindowHandle window) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return;
  NativeWindow& native = it->second;
  if (!native.shown) {
    ShowWindow(native.hwnd, SW_SHOW);
    native.shown = true;
  } else if (IsIconic(native.hwnd)) {
    ShowWindow(native.hwnd, SW_RESTORE);
  }
  SetWindowPos(native.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(native.hwnd);
}

ui::PixelView Win32Platform::Impl::window_pixels(ui::WindowHandle window) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return {};
  return it->second.surface->pixels();
}

void Win32Platform::Impl::present(ui::WindowHandle window, std::span<const ui::Rect> areas) {
  const auto it = windows_.find(window);
  if (it == windows_.end() || areas.empty()) return;
  const NativeWindow& native = it->second;
  HDC dc = GetDC(native.hwnd);
  if (!dc) return;
  for (const ui::Rect& area : areas) native.surface->present(dc, area);
  ReleaseDC(native.hwnd, dc);
}

void Win32Platform::Impl::paint(ui::WindowHandle handle, HWND hwnd) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd, &paint);
  const auto it = windows_.find(handle);
  if (dc && it != windows_.end()) {
    const RECT& r = paint.rcPaint;
    it->second.surface->present(dc, {r.left, r.top, r.right - r.left, r.bottom - r.top});
  }
  EndPaint(hwnd, &paint);
}

ui::WaitStatus Win32Platform::Impl::wait_input(std::optional<ui::Millis> deadline, Input& input) {
  while (true) {
    MSG message;
    while (queue_.empty() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (!queue_.empty()) {
      input = queue_.front();
      queue_.pop_front();
      return ui::WaitStatus::Input;
    }
    ui::Millis wait = kLongestWait;
    if (deadline) {
      const ui::Millis remaining = *deadline - now();
      if (remaining <= 0) return ui::WaitStatus::Deadline;
      wait = std::min(remaining, kLongestWait);
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(wait), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }
}

LRESULT CALLBACK Win32Platform::Impl::window_procedure(HWND hwnd, UINT message, WPARAM wparam,
                                                       LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Impl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self) {
    if (const auto found = self->handles_.find(hwnd); found != self->handles_.end()) {
      // No exception may unwind through the system's frames that called us (32-bit code cannot
      // even do so); the only one possible here, running out of memory for the queue, costs
      // the one input.
      try {
        return self->handle(found->second, hwnd, message, wparam, lparam);
      } catch (...) {
        return DefWindowProcW(hwnd, message, wparam, lparam);
      }
    }
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT Win32Platform::Impl::handle(ui::WindowHandle handle, HWND hwnd, UINT message, WPARAM wparam,
                                    LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      paint(handle, hwnd);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the surface covers every pixel
    case WM_LBUTTONDOWN:
      // Captured, so the release reaches this window even outside it.
      SetCapture(hwnd);
      queue({.kind = InputKind::ButtonDown, .window = handle, .at = client_point(lparam)});
      return 0;
    case WM_LBUTTONUP:
      // The release goes first: letting the capture go sends WM_CAPTURECHANGED at once.
      queue({.kind = InputKind::ButtonUp, .window = handle, .at = client_point(lparam)});
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse (a menu, a dialog, the task switcher): the press ends.
      if (reinterpret_cast<HWND>(lparam) != hwnd) {
        queue({.kind = InputKind::CaptureLost, .window = handle});
      }
      return 0;
    case WM_CANCELMODE:
      // The system asks every window to end what the mouse is doing (a message box came up).
      queue({.kind = InputKind::CaptureLost, .window = handle});
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    case WM_MOUSEMOVE: {
      if (!(wparam & MK_LBUTTON)) return 0;
      const Input moved{
          .kind = InputKind::PointerMoved, .window = handle, .at = client_point(lparam)};
      // Only the latest place matters.
      if (!queue_.empty() && queue_.back().kind == InputKind::PointerMoved &&
          queue_.back().window == handle) {
        queue_.back() = moved;
      } else {
        queue(moved);
      }
      return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      queue({.kind = InputKind::KeyDown,
             .window = handle,
             .key_code = static_cast<std::int16_t>(wparam & 0xFF),
             .shift = current_shift_state(),
             .repeat = is_key_repeat(static_cast<std::uintptr_t>(lparam))});
      // The system keys keep their meaning (Alt+F4, Alt+Space, F10).
      return message == WM_SYSKEYDOWN ? DefWindowProcW(hwnd, message, wparam, lparam) : 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      queue({.kind = InputKind::KeyUp,
             .window = handle,
             .key_code = static_cast<std::int16_t>(wparam & 0xFF),
             .shift = current_shift_state()});
      return message == WM_SYSKEYUP ? DefWindowProcW(hwnd, message, wparam, lparam) : 0;
    case WM_CHAR:
      if (const auto character = characters_.add(static_cast<std::uint16_t>(wparam))) {
        queue({.kind = InputKind::Character, .window = handle, .character = *character});
      }
      return 0;
    case WM_CLOSE:
      // The engine unloads the window, which destroys it; Windows must not do so itself.
      queue({.kind = InputKind::CloseRequested, .window = handle});
      return 0;
    case kGetDpiScaledSizeMessage:
      return suggest_size_at_density(hwnd, wparam, lparam) ? TRUE : FALSE;
    case kDpiChangedMessage:
      move_to_new_density(handle, hwnd, wparam, lparam);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        // lParam is the window being activated: ours, or another program's (or none).
        queue({.kind = InputKind::Deactivated,
               .window = handle,
               .to_our_window = is_ours(reinterpret_cast<HWND>(lparam))});
      } else {
        queue({.kind = InputKind::Activated, .window = handle});
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

// Asked before a move to another density: the window's size there, so that the place Windows
// then suggests is already of about the size the engine's new layout gives (its client area
// scaled) rather than the whole window's, frame and all, scaled, which the frame does not follow.
bool Win32Platform::Impl::suggest_size_at_density(HWND hwnd, WPARAM wparam, LPARAM lparam) {
  auto* proposed = reinterpret_cast<SIZE*>(lparam);
  const int new_dpi = LOWORD(wparam);
  RECT client{};
  if (!proposed || new_dpi <= 0 || !GetClientRect(hwnd, &client) || IsRectEmpty(&client)) {
    return false;  // Windows scales the window as a whole
  }
  const ui::Size scaled =
      scaled_client_size({client.right, client.bottom}, window_dpi(hwnd), new_dpi);
  const RECT frame = frame_around(scaled, static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)),
                                  static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)), new_dpi);
  proposed->cx = frame.right - frame.left;
  proposed->cy = frame.bottom - frame.top;
  return true;
}

// The window now stands at another density (moved to another monitor, or the user changed the
// monitor's scale): it goes where Windows suggests, and the engine lays it out again and sets its
// client size.
void Win32Platform::Impl::move_to_new_density(ui::WindowHandle handle, HWND hwnd, WPARAM wparam,
                                              LPARAM lparam) {
  if (const auto* suggested = reinterpret_cast<const RECT*>(lparam)) {
    SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const int dpi = LOWORD(wparam) > 0 ? LOWORD(wparam) : window_dpi(hwnd);
  if (const auto it = windows_.find(handle); it != windows_.end() && it->second.has_icon) {
    icons_.apply(hwnd, dpi);
  }
  queue({.kind = InputKind::DensityChanged, .window = handle, .dpi = dpi});
}

// --- Win32Platform: the interface, forwarded ---

Win32Platform::Win32Platform() : impl_(std::make_unique<Impl>()) {}
Win32Platform::~Win32Platform() = default;

ui::WindowHandle Win32Platform::create_window(const ui::WindowDescription& description) {
  return impl_->create_window(description);
}
void Win32Platform::destroy_window(ui::WindowHandle window) {
  impl_->destroy_window(window);
}
void Win32Platform::show_window(ui::WindowHandle window) {
  impl_->show_window(window);
}
ui::PixelView Win32Platform::window_pixels(ui::WindowHandle window) {
  return impl_->window_pixels(window);
}
void Win32Platform::present(ui::WindowHandle window, std::span<const ui::Rect> areas) {
  impl_->present(window, areas);
}
ui::WaitStatus Win32Platform::wait_input(std::optional<ui::Millis> deadline, Input& input) {
  return impl_->wait_input(deadline, input);
}
ui::Millis Win32Platform::now() const {
  return impl_->now();
}
std::string Win32Platform::local_time_text() {
  return local_long_time_text();
}
std::string Win32Platform::local_date_text() {
  return local_short_date_text();
}
int Win32Platform::screen_dpi() const {
  return impl_->screen_dpi();
}
void Win32Platform::set_client_size(ui::WindowHandle window, ui::Size size) {
  impl_->set_client_size(window, size);
}
std::unique_ptr<ui::Font> Win32Platform::open_font(const ui::FontSpec& spec, int dpi) {
  return std::make_unique<GdiFont>(spec, impl_->faces().face_for(spec),
                                   dpi > 0 ? dpi : kDefaultDpi);
}
std::span<const FaceState> Win32Platform::face_states() const {
  return impl_->faces().states();
}
ui::Pixel Win32Platform::system_colour(int index) const {
  const COLORREF colour = GetSysColor(index);
  return ui::make_pixel(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}
std::int64_t Win32Platform::launch(const ui::LaunchRequest& request) {
  return launch_process(request);
}
void Win32Platform::report_error(const ui::Error& error) {
  show_error_box(kReportTitle, error.what());
}

}  // namespace tessivar::win32
