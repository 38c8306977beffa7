// A backend without a display, for tests and the driver: windows are surfaces in memory, time is
// a virtual clock that only moves when told, input is injected by window pixel, and launches and
// error reports are recorded. It behaves as a simple window manager would: the window shown last
// is in front and active, and when the active window goes the one in front of the rest is
// activated.
#pragma once

#include <ctime>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/fonts/font_engine.h"
#include "ui/platform.h"

namespace tessivar::headless {

struct RecordedError {
  ui::ErrorKind kind;
  std::string message;
};

struct HeadlessWindow {
  ui::WindowDescription description;
  std::string title;  // the description's title, owned
  ui::Bitmap surface;
  bool visible = false;
  int presents = 0;  // how many times areas of it were presented
};

class HeadlessPlatform final : public ui::Platform {
 public:
  HeadlessPlatform();
  ~HeadlessPlatform() override;

  // ui::Platform
  ui::WindowHandle create_window(const ui::WindowDescription& description) override;
  void destroy_window(ui::WindowHandle window) override;
  void show_window(ui::WindowHandle window) override;
  ui::PixelView window_pixels(ui::WindowHandle window) override;
  void present(ui::WindowHandle window, std::span<const ui::Rect> areas) override;
  ui::WaitStatus wait_input(std::optional<ui::Millis> deadline, ui::Input& input) override;
  ui::Millis now() const override { return now_; }
  std::string local_time_text() override;
  std::string local_date_text() override;
  int screen_dpi() const override { return screen_dpi_; }
  void set_client_size(ui::WindowHandle window, ui::Size size) override;
  std::unique_ptr<ui::Font> open_font(const ui::FontSpec& spec, int dpi) override;
  ui::Pixel system_colour(int index) const override;
  std::int64_t launch(const ui::LaunchRequest& request) override;
  void report_error(const ui::Error& error) override;

  // The virtual clock: wait_input moves time forward to timer deadlines up to `limit`, and
  // reports the input drained once nothing more falls due by then.
  void allow_time_until(ui::Millis limit) { limit_ = std::max(limit, now_); }
  // Time that passes while the application is busy, as in a long handler: no timer fires on the
  // way.
  void spend(ui::Millis ms) {
    now_ += ms;
    limit_ = std::max(limit_, now_);
  }

  // The local date and time that the clock texts start from, moving with the virtual clock.
  void set_local_time(const std::tm& local_time);
  // Makes the local clock run `step_ms` ahead at every reading, so that two readings in one
  // event see different times (for the tick that crosses midnight).
  void set_local_time_step_per_reading(ui::Millis step_ms) { reading_step_ = step_ms; }

  // Injected input, as the user would make it.
  void press(ui::WindowHandle window, ui::Point at);
  void release(ui::WindowHandle window, ui::Point at);
  void move_pointer(ui::WindowHandle window, ui::Point at);
  void key_down(std::int16_t key_code, std::int16_t shift, bool repeat = false);
  void key_up(std::int16_t key_code, std::int16_t shift);
  void character(char32_t character);
  void request_close(ui::WindowHandle window);
  // The system taking the mouse from the window while its button is held.
  void lose_capture(ui::WindowHandle window);
  // The user moving to one of our windows, to another application, and back.
  void activate_by_user(ui::WindowHandle window);
  void switch_away();
  void switch_back();

  // The screen's density for the windows opened from now on (96 unless told).
  void set_screen_dpi(int dpi) { screen_dpi_ = dpi; }
  // The user moving a window to a monitor of another density.
  void change_density(ui::WindowHandle window, int dpi);

  // Launching.
  void set_launches_fail(bool fail) { launches_fail_ = fail; }
  const std::vector<ui::LaunchRequest>& launches() const { return launches_; }
  const std::vector<RecordedError>& errors() const { return errors_; }
  void on_launch(std::function<void(const ui::LaunchRequest&)> listener) { launch_listener_ = std::move(listener); }
  void on_error(std::function<void(const ui::Error&)> listener) { error_listener_ = std::move(listener); }

  // Chooses the faces of these fonts now, as the Linux program does in its splash's
  // idle second, and lets the system's font configuration go.
  void prepare_fonts(std::span<const ui::FontSpec> fonts) { fonts_.prepare(fonts); }

  // Fonts from elsewhere than the machine's font engine, for tests that must not depend on the
  // installed fonts.
  void use_fonts(std::function<std::unique_ptr<ui::Font>(const ui::FontSpec&, int dpi)> factory) {
    font_factory_ = std::move(factory);
  }

  // Windows.
  const HeadlessWindow* window(ui::WindowHandle handle) const;
  std::optional<ui::WindowHandle> active_window() const { return active_; }
  // Front to back.
  const std::vector<ui::WindowHandle>& z_order() const { return z_order_; }
  const ui::Bitmap& surface(ui::WindowHandle handle) const;

 private:
  void queue(ui::Input input) { queue_.push_back(input); }
  void set_system_active(std::optional<ui::WindowHandle> window, bool raise_events);
  std::tm local_time_now();

  fonts::FontEngine fonts_;
  std::map<ui::WindowHandle, HeadlessWindow> windows_;
  std::vector<ui::WindowHandle> z_order_;
  std::optional<ui::WindowHandle> active_;
  std::optional<ui::WindowHandle> active_before_switch_;
  ui::WindowHandle next_handle_ = 1;
  std::deque<ui::Input> queue_;
  ui::Millis now_ = 0;
  ui::Millis limit_ = 0;
  std::time_t local_base_ = 0;  // local time at local_base_at_, as seconds since an epoch
  ui::Millis local_base_at_ = 0;
  ui::Millis reading_step_ = 0;
  ui::Millis reading_offset_ = 0;
  bool launches_fail_ = false;
  std::int64_t next_task_ = 1000;
  std::vector<ui::LaunchRequest> launches_;
  std::vector<RecordedError> errors_;
  std::function<void(const ui::LaunchRequest&)> launch_listener_;
  std::function<void(const ui::Error&)> error_listener_;
  std::function<std::unique_ptr<ui::Font>(const ui::FontSpec&, int dpi)> font_factory_;
  int screen_dpi_ = 96;
};

}  // namespace tessivar::headless
