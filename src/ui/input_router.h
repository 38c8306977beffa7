// Turns a backend's raw input into the model's events: clicks on pictures and frames, keys to the
// focused control (and first to the window when it previews keys), Tab moving the focus,
// activation, closing, and the user's operation of scroll bars.
#pragma once

#include <optional>

#include "ui/platform.h"
#include "ui/scroll_bar_tracker.h"

namespace tessivar::ui {

class Application;
class Control;
class Form;

class InputRouter {
 public:
  explicit InputRouter(Application& app) : app_(app), tracker_(app) {}

  void deliver(const Input& input);
  // A window is going away: drop any press that started on it.
  void forget(const Form& form);

  // The scroll bar's repeat while its button is held.
  std::optional<Millis> next_deadline() const { return tracker_.next_deadline(); }
  void fire_due_repeat(Millis now);

 private:
  void button_down(Form& form, Point at);
  void button_up(Form& form, Point at);
  void key_down(Form& form, const Input& input);
  void character(Form& form, char32_t character);
  void cancel_press();

  Application& app_;
  ScrollBarTracker tracker_;
  const Form* pressed_form_ = nullptr;
  Control* pressed_control_ = nullptr;
};

}  // namespace tessivar::ui
