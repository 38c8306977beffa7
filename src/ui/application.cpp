#include "ui/application.h"

#include <algorithm>

#include "ui/focus_order.h"

namespace tessivar::ui {
namespace {

WindowDescription window_description(const FormSpec& spec, Size client_size) {
  WindowDescription d;
  if (spec.border_style == BorderStyle::FixedToolWindow) {
    d.kind = WindowKind::ToolWindow;
  } else if (spec.caption.empty() && !spec.control_box) {
    d.kind = WindowKind::Splash;  // no caption and no control box: no title bar at all
  } else {
    d.kind = WindowKind::FixedDialog;
  }
  d.title = spec.caption;
  d.close_button = spec.control_box;
  d.taskbar_button = spec.show_in_taskbar;
  d.icon_ico = spec.icon.bytes;
  d.client_size = client_size;
  d.centred = spec.start_up_position == StartUpPosition::CenterScreen;
  return d;
}

}  // namespace

Application::Application(Platform& platform, const ApplicationSpec& spec)
    : platform_(platform), spec_(spec), router_(*this), painter_(platform) {}

Application::~Application() {
  for (const auto& form : forms_) {
    if (form->window() != 0) platform_.destroy_window(form->window());
    form->mark_unloaded();
  }
}

const FormModule& Application::module_named(std::string_view form_name) const {
  for (const FormModule& m : spec_.forms) {
    if (m.spec->name == form_name) return m;
  }
  throw PlatformError("The application has no window named " + std::string(form_name));
}

Form* Application::loaded_form(std::string_view form_name) const {
  for (const auto& f : forms_) {
    if (f->name() == form_name) return f.get();
  }
  return nullptr;
}

Form* Application::form_for_window(WindowHandle window) const {
  for (const auto& f : forms_) {
    if (f->window() == window && window != 0) return f.get();
  }
  return nullptr;
}

std::shared_ptr<Form> Application::load(const FormModule& module) {
  auto form = std::make_shared<Form>(*this, module);
  forms_.push_back(form);
  if (observer_) observer_->form_loaded(*form);
  raise(*form, nullptr, Event::Load);
  return form;
}

void Application::show(std::string_view form_name) {
  // Holds a window loaded here alive even if its Load unloads it again.
  std::shared_ptr<Form> loaded_here;
  Form* form = loaded_form(form_name);
  if (form == nullptr) {
    loaded_here = load(module_named(form_name));
    form = loaded_here.get();
    if (!form->loaded()) return;
  }
  if (!form->shown()) {
    form->attach_window(platform_.create_window(window_description(form->spec(), form->client_size())));
    form->set_focus(first_in_tab_order(*form));
  }
  platform_.show_window(form->window());
  activate(*form);
}

void Application::activate(Form& form) {
  if (active_ == &form || !form.loaded()) return;
  active_ = &form;
  if (observer_) observer_->form_activated(form);
  raise(form, nullptr, Event::Activate);
}

void Application::unload(std::string_view form_name) {
  const auto it = std::find_if(forms_.begin(), forms_.end(),
                               [&](const auto& f) { return f->name() == form_name; });
  if (it == forms_.end()) return;
  // The object lives on while a handler of it still runs; raise() holds it.
  std::shared_ptr<Form> form = *it;
  forms_.erase(it);
  if (active_ == form.get()) active_ = nullptr;
  router_.forget(*form);
  const WindowHandle window = form->window();
  form->mark_unloaded();
  if (window != 0) platform_.destroy_window(window);
  if (observer_) observer_->form_unloaded(*form);
}

void Application::raise(Form& form, Control* control, Event event) {
  const Handler* handler = form.handler(control, event);
  if (handler == nullptr) return;
  // A handler whose window is unloaded while it runs goes on to its end.
  const std::shared_ptr<Form> keep = [&] {
    for (const auto& f : forms_) {
      if (f.get() == &form) return f;
    }
    return std::shared_ptr<Form>{};
  }();
  if (observer_) observer_->handler_running(form, control, event);
  std::get<PlainHandler>(*handler)(form);
}

void Application::raise_key_down(Form& form, Control* control, std::int16_t& key_code,
                                 std::int16_t& shift) {
  if (const Handler* handler = form.handler(control, Event::KeyDown)) {
    if (observer_) observer_->handler_running(form, control, Event::KeyDown);
    std::get<KeyDownHandler>(*handler)(form, key_code, shift);
  }
}

void Application::raise_key_press(Form& form, Control* control, std::int16_t& key_ascii) {
  if (const Handler* handler = form.handler(control, Event::KeyPress)) {
    if (observer_) observer_->handler_running(form, control, Event::KeyPress);
    std::get<KeyPressHandler>(*handler)(form, key_ascii);
  }
}

void Application::report(const Error& error) {
  platform_.report_error(error);
}

void Application::start() {
  at_event_boundary([&] { show(spec_.startup_form); });
  paint_pending();
}

std::optional<Millis> Application::next_deadline() const {
  std::optional<Millis> deadline = router_.next_deadline();
  for (const auto& form : forms_) {
    for (const auto& control : form->controls()) {
      if (const auto* timer = dynamic_cast<const Timer*>(control.get())) {
        if (const auto due = timer->next_due(); due && (!deadline || *due < *deadline)) {
          deadline = due;
        }
      }
    }
  }
  return deadline;
}

void Application::fire_due_timers() {
  router_.fire_due_repeat(now());
  // Collect first: a tick may load or unload windows.
  struct Due {
    std::shared_ptr<Form> form;
    Timer* timer;
  };
  std::vector<Due> due;
  const Millis t = now();
  for (const auto& form : forms_) {
    for (const auto& control : form->controls()) {
      if (auto* timer = dynamic_cast<Timer*>(control.get())) {
        if (timer->next_due() && *timer->next_due() <= t) due.push_back({form, timer});
      }
    }
  }
  for (const Due& d : due) {
    if (!d.form->loaded() || !d.timer->next_due() || *d.timer->next_due() > t) continue;
    d.timer->ticked(t);
    at_event_boundary([&] { raise(*d.form, d.timer, Event::Timer); });
  }
}

void Application::paint_pending() {
  for (const auto& form : forms_) {
    if (!form->shown() || !form->has_pending_paint()) continue;
    const std::vector<Rect> areas = form->take_pending_paint();
    const PixelView pixels = platform_.window_pixels(form->window());
    for (const Rect& area : areas) painter_.paint(*form, pixels, area);
    platform_.present(form->window(), areas);
  }
}

void Application::run() {
  while (running()) {
    Input input;
    const WaitStatus status = platform_.wait_input(next_deadline(), input);
    if (status == WaitStatus::Drained) {
      paint_pending();
      return;
    }
    if (status == WaitStatus::Input) {
      at_event_boundary([&] { router_.deliver(input); });
    }
    fire_due_timers();
    paint_pending();
  }
  if (!ended_reported_) {
    ended_reported_ = true;
    if (observer_) observer_->application_ended();
  }
}

}  // namespace tessivar::ui
