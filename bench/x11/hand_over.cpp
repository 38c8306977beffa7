// tessivar-hand-over: the hand-over as the user sees it on X11, once per process. The real
// application runs on the real backend, set up as the program sets itself up; it prints the time
// from the splash timer's tick to the moment the X server holds the start screen's first frame,
// and ends. The start screen loads once in a program's life, into fresh memory, so this is
// measured one process at a time rather than in a benchmark loop; tools/measure_x11.sh runs it
// several times beside the decode floor.
#include <chrono>
#include <clocale>
#include <cstdio>
#include <optional>

#include "app/application_description.h"
#include "platform/x11/unused_memory.h"
#include "platform/x11/x11_platform.h"
#include "ui/application.h"
#include "ui/application_fonts.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace tessivar;

constexpr std::string_view kStartScreenTitle = "Tessivar 1.0 (BETA)";

// The X11 backend, with the moment of the start screen's first frame noted: the first present
// after the server exposed the window (the backend puts nothing into a window that is not on the
// screen yet) and waits until the server has taken the pixels. Once it is, the start screen is
// asked to close and the run ends.
class TimedPlatform final : public ui::Platform {
 public:
  explicit TimedPlatform(x11::X11Platform& backend) : backend_(backend) {}

  std::optional<Clock::time_point> first_frame;

  ui::WindowHandle create_window(const ui::WindowDescription& description) override {
    const ui::WindowHandle window = backend_.create_window(description);
    if (description.title == kStartScreenTitle) start_screen_ = window;
    return window;
  }
  void destroy_window(ui::WindowHandle window) override { backend_.destroy_window(window); }
  void show_window(ui::WindowHandle window) override { backend_.show_window(window); }
  int screen_dpi() const override { return backend_.screen_dpi(); }
  void set_client_size(ui::WindowHandle window, ui::Size size) override {
    backend_.set_client_size(window, size);
  }
  ui::PixelView window_pixels(ui::WindowHandle window) override {
    return backend_.window_pixels(window);
  }
  void present(ui::WindowHandle window, std::span<const ui::Rect> areas) override {
    backend_.present(window, areas);
    if (start_screen_ == window && exposed_ && !first_frame) first_frame = Clock::now();
  }
  ui::WaitStatus wait_input(std::optional<ui::Millis> deadline, ui::Input& input) override {
    if (first_frame && start_screen_ && !close_asked_) {
      close_asked_ = true;
      input = {.kind = ui::InputKind::CloseRequested, .window = *start_screen_};
      return ui::WaitStatus::Input;
    }
    const ui::WaitStatus status = backend_.wait_input(deadline, input);
    if (status == ui::WaitStatus::Input && input.kind == ui::InputKind::Exposed &&
        input.window == start_screen_) {
      exposed_ = true;
    }
    return status;
  }
  ui::Millis now() const override { return backend_.now(); }
  std::string local_time_text() override { return backend_.local_time_text(); }
  std::string local_date_text() override { return backend_.local_date_text(); }
  std::unique_ptr<ui::Font> open_font(const ui::FontSpec& spec, int dpi) override {
    return backend_.open_font(spec, dpi);
  }
  ui::Pixel system_colour(int index) const override { return backend_.system_colour(index); }
  std::int64_t launch(const ui::LaunchRequest& request) override {
    return backend_.launch(request);
  }
  void report_error(const ui::Error& error) override { backend_.report_error(error); }

 private:
  x11::X11Platform& backend_;
  std::optional<ui::WindowHandle> start_screen_;
  bool exposed_ = false;
  bool close_asked_ = false;
};

// The moment the splash's timer ticks, which starts the hand-over.
class TickWatch final : public ui::ApplicationObserver {
 public:
  std::optional<Clock::time_point> tick;
  void handler_running(const ui::Form& form, const ui::Control* control, ui::Event event) override {
    if (!tick && form.name() == "frmSplash" && control != nullptr && event == ui::Event::Timer) {
      tick = Clock::now();
    }
  }
};

}  // namespace

int main() {
  // As the program sets itself up (src/app/main.cpp).
  x11::keep_freed_memory_for_reuse();
  std::setlocale(LC_ALL, "");
  try {
    const ui::ApplicationSpec& application = app::tessivar_application();
    x11::X11Platform backend;
    backend.prepare_fonts_when_idle(ui::fonts_named_in(application));
    TimedPlatform platform(backend);
    TickWatch watch;
    ui::Application app(platform, application);
    app.set_observer(&watch);
    app.start();
    app.run();
    if (!watch.tick || !platform.first_frame) {
      std::fputs("tessivar-hand-over: the start screen was never shown\n", stderr);
      return 1;
    }
    const std::chrono::duration<double, std::milli> taken = *platform.first_frame - *watch.tick;
    std::printf("%.1f\n", taken.count());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tessivar-hand-over: %s\n", error.what());
    return 1;
  }
  return 0;
}
