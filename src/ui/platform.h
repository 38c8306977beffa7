// The one interface a backend implements. It only translates between the operating system and
// the engine: every rule of behaviour (what a click hits, when a timer ticks, what Activate
// means) lives in the engine, never behind this interface.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/errors.h"
#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/launch_request.h"
#include "ui/pixels.h"

namespace tessivar::ui {

using Millis = std::int64_t;  // monotonic milliseconds
using WindowHandle = std::uint32_t;

enum class WindowKind {
  Splash,       // no title bar, a thin dialog frame only
  FixedDialog,  // fixed frame, a title bar
  ToolWindow,   // fixed frame, a narrow title bar
};

struct WindowDescription {
  WindowKind kind = WindowKind::FixedDialog;
  std::string_view title;
  bool close_button = true;
  bool taskbar_button = true;
  std::span<const std::uint8_t> icon_ico;  // empty: no icon anywhere
  Size client_size;                        // pixels, at the density screen_dpi() gave
  bool centred = true;
};

enum class InputKind {
  ButtonDown,      // primary button pressed at `at`
  ButtonUp,        // primary button released at `at`
  PointerMoved,    // pointer moved to `at` while the primary button is held
  KeyDown,         // `key_code` (virtual-key code), `shift`, `repeat`
  KeyUp,           // `key_code`
  Character,       // `character`: a key that makes a character on Windows
  CloseRequested,  // the user's click on the window's close button
  Activated,       // the window became the system's active window
  Deactivated,     // the window lost activation; `to_our_window` tells where it went
  CaptureLost,     // the window lost the mouse to the system or another program mid-press
  DensityChanged,  // the window is now at `dpi` (moved to a monitor of another density); the
                   // backend has moved it where the system suggests
  Exposed,         // `area` of the window must be presented again
};

// Shift state bits, as handlers receive them.
inline constexpr std::int16_t kShiftMask = 1;
inline constexpr std::int16_t kCtrlMask = 2;
inline constexpr std::int16_t kAltMask = 4;

struct Input {
  InputKind kind = InputKind::Exposed;
  WindowHandle window = 0;
  Point at;
  std::int16_t key_code = 0;
  std::int16_t shift = 0;
  bool repeat = false;
  char32_t character = 0;
  bool to_our_window = false;
  Rect area;
  int dpi = 0;
};

enum class WaitStatus {
  Input,     // `input` holds the next input
  Deadline,  // the deadline passed with no input
  Drained,   // no input will ever come (a scripted source that has run out)
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Top-level windows. A window is created hidden; show_window shows it if needed, brings it to
  // the front and activates it.
  virtual WindowHandle create_window(const WindowDescription& description) = 0;
  virtual void destroy_window(WindowHandle window) = 0;
  virtual void show_window(WindowHandle window) = 0;

  // The density, in dots per inch, of the monitor a window opened now would stand on: 96 where
  // the system gives none. A window's scale is 1440 / dpi twips to the pixel; the engine does
  // every conversion, the backend only says the density.
  virtual int screen_dpi() const = 0;
  // Makes a shown window's client area `size` pixels, its top-left corner staying where it is
  // (the engine's answer to DensityChanged). The pixel memory is then of the new size.
  virtual void set_client_size(WindowHandle window, Size size) = 0;

  // The window's pixel memory, client size, owned by the backend until destroy_window.
  virtual PixelView window_pixels(WindowHandle window) = 0;
  virtual void present(WindowHandle window, std::span<const Rect> areas) = 0;

  // Waits for the next input until `deadline` (monotonic; none: wait for ever).
  virtual WaitStatus wait_input(std::optional<Millis> deadline, Input& input) = 0;
  virtual Millis now() const = 0;

  // The local time of day in the user's long time format, and today's date in the short date
  // format.
  virtual std::string local_time_text() = 0;
  virtual std::string local_date_text() = 0;

  // The platform's nearest font to `spec`, rasterised at `dpi` (points x dpi / 72 pixels to the
  // em); never null.
  virtual std::unique_ptr<Font> open_font(const FontSpec& spec, int dpi) = 0;
  // The user's colour for a system colour index (5 window background, 15 button face, ...).
  virtual Pixel system_colour(int index) const = 0;

  // Starts the command line without waiting and returns the task identifier; raises
  // LaunchError with the system's reason when the program cannot be started.
  virtual std::int64_t launch(const LaunchRequest& request) = 0;

  // Tells the user about an error that no handler caught. The application goes on.
  virtual void report_error(const Error& error) = 0;
};

}  // namespace tessivar::ui
