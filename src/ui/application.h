// The forms engine: the windows of one application, the operations handlers use (Show, Unload,
// launching, the clock texts), the delivery of events one at a time, the timers, and the event
// loop that runs unchanged on every backend.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/application_spec.h"
#include "ui/form.h"
#include "ui/input_router.h"
#include "ui/paint/painter.h"
#include "ui/platform.h"

namespace tessivar::ui {

// Someone who wants to hear what the engine does (the driver prints it).
class ApplicationObserver {
 public:
  virtual ~ApplicationObserver() = default;
  virtual void form_loaded(const Form& /*form*/) {}
  virtual void form_activated(const Form& /*form*/) {}
  virtual void form_unloaded(const Form& /*form*/) {}
  // A bound handler is about to run (null control: the window's own event).
  virtual void handler_running(const Form& /*form*/, const Control* /*control*/, Event /*event*/) {}
  virtual void application_ended() {}
};

class Application {
 public:
  Application(Platform& platform, const ApplicationSpec& spec);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Platform& platform() const { return platform_; }
  const ApplicationSpec& spec() const { return spec_; }
  Millis now() const { return platform_.now(); }
  void set_observer(ApplicationObserver* observer) { observer_ = observer; }

  // What handlers use. Show loads a window that is not loaded (Load runs), shows it and
  // activates it (Activate runs); on a shown window it brings it to the front and activates it.
  void show(std::string_view form_name);
  // Unload destroys the window, its controls and timers; nothing when it is not loaded.
  void unload(std::string_view form_name);
  std::int64_t launch(const LaunchRequest& request) { return platform_.launch(request); }
  std::string time_text() { return platform_.local_time_text(); }
  std::string date_text() { return platform_.local_date_text(); }
  std::string_view title() const { return spec_.title; }
  AppVersion version() const { return spec_.version; }

  // Loaded windows.
  Form* loaded_form(std::string_view form_name) const;
  Form* form_for_window(WindowHandle window) const;
  const std::vector<std::shared_ptr<Form>>& loaded_forms() const { return forms_; }
  bool running() const { return !forms_.empty(); }
  // The application's active window: the last of its windows to be activated, while loaded.
  Form* active_form() const { return active_; }

  // Shows the start-up window; an error on the way is reported like any other.
  void start();
  // Delivers events until no window is loaded or the platform has no more input.
  void run();

  // Runs the handler bound to an event; errors pass to the caller. `control` null: the window.
  void raise(Form& form, Control* control, Event event);
  void raise_key_down(Form& form, Control* control, std::int16_t& key_code, std::int16_t& shift);
  void raise_key_press(Form& form, Control* control, std::int16_t& key_ascii);

  // Makes `form` the application's active window, raising Activate when it was not.
  void activate(Form& form);

  // Runs `step` at an event boundary: an error it raises goes to the platform's report and the
  // application goes on.
  template <typename Step>
  void at_event_boundary(Step step) {
    try {
      step();
    } catch (const Error& error) {
      report(error);
    } catch (const std::exception& error) {
      report(PlatformError(error.what()));
    }
  }

  // Repaints and presents every window's pending areas.
  void paint_pending();

 private:
  std::shared_ptr<Form> load(const FormModule& module);
  const FormModule& module_named(std::string_view form_name) const;
  std::optional<Millis> next_deadline() const;
  void fire_due_timers();
  void report(const Error& error);

  Platform& platform_;
  const ApplicationSpec& spec_;
  std::vector<std::shared_ptr<Form>> forms_;
  Form* active_ = nullptr;
  ApplicationObserver* observer_ = nullptr;
  InputRouter router_;
  Painter painter_;
  bool ended_reported_ = false;
};

}  // namespace tessivar::ui
