// The message window that tells the user about an error no handler caught: the error's message
// and an OK button that Enter, Escape, Space or a click closes. It lives beside the engine's
// windows and handles its own events; the engine never hears of it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/fonts/font_engine.h"
#include "ui/font.h"
// The Xlib headers come last.
#include "platform/x11/screen_visual.h"
#include "platform/x11/window_surface.h"
#include "platform/x11/x_atoms.h"

namespace tessivar::x11 {

class ErrorWindow {
 public:
  // The face and size of the message, as the system's message box has them.
  static constexpr ui::FontSpec kFont{.face = "MS Sans Serif"};

  ErrorWindow(Display* display, const ScreenVisual& visual, const XAtoms& atoms,
              fonts::FontEngine& fonts, const std::string& message, bool shared_memory, int dpi);
  ~ErrorWindow();
  ErrorWindow(const ErrorWindow&) = delete;
  ErrorWindow& operator=(const ErrorWindow&) = delete;

  Window window() const { return window_; }

  // Handles one event of this window; returns false once the window has been dismissed.
  bool handle(const XEvent& event);

 private:
  void paint();
  void present(ui::Rect area);
  bool on_button_pressed() const;

  Display* display_;
  const XAtoms& atoms_;
  std::unique_ptr<ui::Font> font_;
  std::vector<std::string> lines_;
  int dpi_;
  int margin_;
  ui::Rect button_;
  bool button_down_ = false;
  Window window_ = 0;
  GC gc_ = nullptr;
  std::unique_ptr<WindowSurface> surface_;
};

}  // namespace tessivar::x11
