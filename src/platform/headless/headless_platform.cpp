#include "platform/headless/headless_platform.h"

#include <algorithm>

#include "platform/common/clock_text.h"
#include "ui/system_colour_scheme.h"

namespace tessivar::headless {

using ui::Input;
using ui::InputKind;

namespace {

// Until a test sets it, the local clock reads 3:07:42 PM on 8 August 2013.
std::tm default_local_time() { return platform::local_date_time(2013, 8, 8, 15, 7, 42); }

}  // namespace

HeadlessPlatform::HeadlessPlatform() { set_local_time(default_local_time()); }

HeadlessPlatform::~HeadlessPlatform() = default;

ui::WindowHandle HeadlessPlatform::create_window(const ui::WindowDescription& description) {
  const ui::WindowHandle handle = next_handle_++;
  HeadlessWindow& w = windows_[handle];
  w.title = std::string(description.title);
  w.description = description;
  w.description.title = w.title;
  w.surface = ui::Bitmap(description.client_size.width, description.client_size.height,
                         ui::make_pixel(0, 0, 0));
  return handle;
}

void HeadlessPlatform::destroy_window(ui::WindowHandle window) {
  if (!windows_.erase(window)) return;
  std::erase(z_order_, window);
  if (active_before_switch_ == window) active_before_switch_.reset();
  if (active_ == window) {
    active_.reset();
    // As a window manager does: the window in front of the rest takes over.
    if (!z_order_.empty()) set_system_active(z_order_.front(), true);
  }
}

void HeadlessPlatform::show_window(ui::WindowHandle window) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  it->second.visible = true;
  std::erase(z_order_, window);
  z_order_.insert(z_order_.begin(), window);
  // The engine activates the window itself when it shows it; the platform only follows.
  set_system_active(window, false);
}

void HeadlessPlatform::set_system_active(std::optional<ui::WindowHandle> window, bool raise_events) {
  if (window == active_) return;
  const std::optional<ui::WindowHandle> previous = active_;
  active_ = window;
  if (!raise_events) return;
  if (previous) {
    queue({.kind = InputKind::Deactivated, .window = *previous, .to_our_window = window.has_value()});
  }
  if (window) queue({.kind = InputKind::Activated, .window = *window});
}

ui::PixelView HeadlessPlatform::window_pixels(ui::WindowHandle window) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return {};
  return it->second.surface.view();
}

void HeadlessPlatform::present(ui::WindowHandle window, std::span<const ui::Rect> areas) {
  auto it = windows_.find(window);
  if (it != windows_.end() && !areas.empty()) ++it->second.presents;
}

ui::WaitStatus HeadlessPlatform::wait_input(std::optional<ui::Millis> deadline, Input& input) {
  if (!queue_.empty()) {
    input = queue_.front();
    queue_.pop_front();
    return ui::WaitStatus::Input;
  }
  if (deadline && *deadline <= limit_) {
    now_ = std::max(now_, *deadline);
    return ui::WaitStatus::Deadline;
  }
  now_ = limit_;
  return ui::WaitStatus::Drained;
}

void HeadlessPlatform::set_local_time(const std::tm& local_time) {
  std::tm copy = local_time;
  local_base_ = timegm(&copy);  // a naive local time; no time zone applies to it
  local_base_at_ = now_;
  reading_offset_ = 0;
}

std::tm HeadlessPlatform::local_time_now() {
  const ui::Millis elapsed = now_ - local_base_at_ + reading_offset_;
  reading_offset_ += reading_step_;
  const std::time_t t = local_base_ + static_cast<std::time_t>(elapsed / 1000);
  std::tm result{};
  gmtime_r(&t, &result);
  return result;
}

std::string HeadlessPlatform::local_time_text() { return platform::long_time_text(local_time_now()); }

std::string HeadlessPlatform::local_date_text() {
  return platform::short_date_text(local_time_now());
}

std::unique_ptr<ui::Font> HeadlessPlatform::open_font(const ui::FontSpec& spec, int dpi) {
  if (font_factory_) return font_factory_(spec, dpi);
  return fonts_.open(spec, dpi);
}

void HeadlessPlatform::set_client_size(ui::WindowHandle window, ui::Size size) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return;
  it->second.description.client_size = size;
  it->second.surface = ui::Bitmap(size.width, size.height, ui::make_pixel(0, 0, 0));
}

void HeadlessPlatform::change_density(ui::WindowHandle window, int dpi) {
  queue({.kind = ui::InputKind::DensityChanged, .window = window, .dpi = dpi});
}

ui::Pixel HeadlessPlatform::system_colour(int index) const { return ui::default_system_colour(index); }

std::int64_t HeadlessPlatform::launch(const ui::LaunchRequest& request) {
  launches_.push_back(request);
  if (launch_listener_) launch_listener_(request);
  if (launches_fail_) {
    throw ui::LaunchError("Cannot start \"" + request.command_line +
                          "\": the program was not found");
  }
  return next_task_++;
}

void HeadlessPlatform::report_error(const ui::Error& error) {
  errors_.push_back({error.kind(), error.what()});
  if (error_listener_) error_listener_(error);
}

void HeadlessPlatform::press(ui::WindowHandle window, ui::Point at) {
  queue({.kind = InputKind::ButtonDown, .window = window, .at = at});
}
void HeadlessPlatform::release(ui::WindowHandle window, ui::Point at) {
  queue({.kind = InputKind::ButtonUp, .window = window, .at = at});
}
void HeadlessPlatform::move_pointer(ui::WindowHandle window, ui::Point at) {
  queue({.kind = InputKind::PointerMoved, .window = window, .at = at});
}

void HeadlessPlatform::key_down(std::int16_t key_code, std::int16_t shift, bool repeat) {
  if (!active_) return;  // keys go to the active window; with none, nowhere
  queue({.kind = InputKind::KeyDown, .window = *active_, .key_code = key_code, .shift = shift,
         .repeat = repeat});
}
void HeadlessPlatform::key_up(std::int16_t key_code, std::int16_t shift) {
  if (!active_) return;
  queue({.kind = InputKind::KeyUp, .window = *active_, .key_code = key_code, .shift = shift});
}
void HeadlessPlatform::character(char32_t character) {
  if (!active_) return;
  queue({.kind = InputKind::Character, .window = *active_, .character = character});
}

void HeadlessPlatform::request_close(ui::WindowHandle window) {
  queue({.kind = InputKind::CloseRequested, .window = window});
}

void HeadlessPlatform::lose_capture(ui::WindowHandle window) {
  queue({.kind = InputKind::CaptureLost, .window = window});
}

void HeadlessPlatform::activate_by_user(ui::WindowHandle window) {
  if (!windows_.contains(window)) return;
  std::erase(z_order_, window);
  z_order_.insert(z_order_.begin(), window);
  set_system_active(window, true);
}

void HeadlessPlatform::switch_away() {
  if (!active_) return;
  active_before_switch_ = active_;
  queue({.kind = InputKind::Deactivated, .window = *active_, .to_our_window = false});
  active_.reset();
}

void HeadlessPlatform::switch_back() {
  if (!active_before_switch_) return;
  active_ = active_before_switch_;
  active_before_switch_.reset();
  queue({.kind = InputKind::Activated, .window = *active_});
}

const HeadlessWindow* HeadlessPlatform::window(ui::WindowHandle handle) const {
  const auto it = windows_.find(handle);
  return it == windows_.end() ? nullptr : &it->second;
}

const ui::Bitmap& HeadlessPlatform::surface(ui::WindowHandle handle) const {
  static const ui::Bitmap none;
  const HeadlessWindow* w = window(handle);
  return w ? w->surface : none;
}

}  // namespace tessivar::headless
