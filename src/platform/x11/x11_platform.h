// The Linux desktop backend: top-level windows, input, presenting and waiting through Xlib, text
// through FreeType and fontconfig, and launching through Wine. It only translates between the X
// server and the engine; the engine decides everything.
#pragma once

#include <vector>

#include <memory>

#include "ui/platform.h"

namespace tessivar::x11 {

class X11Platform final : public ui::Platform {
 public:
  // Opens the display named by DISPLAY; raises ui::PlatformError when there is none. Losing the
  // connection later ends the process with a message on standard error and status 1.
  X11Platform();
  ~X11Platform() override;
  X11Platform(const X11Platform&) = delete;
  X11Platform& operator=(const X11Platform&) = delete;

  ui::WindowHandle create_window(const ui::WindowDescription& description) override;
  void destroy_window(ui::WindowHandle window) override;
  void show_window(ui::WindowHandle window) override;
  ui::PixelView window_pixels(ui::WindowHandle window) override;
  void present(ui::WindowHandle window, std::span<const ui::Rect> areas) override;
  ui::WaitStatus wait_input(std::optional<ui::Millis> deadline, ui::Input& input) override;
  ui::Millis now() const override;
  std::string local_time_text() override;
  std::string local_date_text() override;
  int screen_dpi() const override;
  void set_client_size(ui::WindowHandle window, ui::Size size) override;
  std::unique_ptr<ui::Font> open_font(const ui::FontSpec& spec, int dpi) override;
  ui::Pixel system_colour(int index) const override;
  std::int64_t launch(const ui::LaunchRequest& request) override;
  void report_error(const ui::Error& error) override;

  // The fonts the program's windows name: their faces are chosen the first time the program waits
  // with time to spare (the splash's idle second), so that no later window's load waits for
  // fontconfig, and the system's font configuration is let go afterwards.
  void prepare_fonts_when_idle(std::vector<ui::FontSpec> fonts);

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace tessivar::x11
