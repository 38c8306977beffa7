// The Windows desktop backend: top-level windows, input, presenting and waiting through Win32,
// text through GDI, the regional time and date formats, and launching with CreateProcess. It
// only translates between Windows and the engine; the engine decides everything.
#pragma once

#include <memory>

#include "platform/win32/substitute_faces.h"
#include "ui/platform.h"

namespace tessivar::win32 {

class Win32Platform final : public ui::Platform {
 public:
  // Registers the window class; raises ui::PlatformError when Windows refuses it.
  Win32Platform();
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

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

  // Which of the faces the windows name the machine has, and which stand in for the others.
  std::span<const FaceState> face_states() const;

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace tessivar::win32
