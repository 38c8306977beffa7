#include "ui/input_router.h"

#include "ui/application.h"
#include "ui/focus_order.h"
#include "ui/hit_test.h"
#include "ui/virtual_keys.h"

namespace tessivar::ui {
namespace {

bool raises_click(const Control* c) {
  return c != nullptr && (c->kind() == ControlKind::Image || c->kind() == ControlKind::Frame);
}

// A press inside a picture box, or on a scroll bar, gives it the focus; a press on a picture
// drawn on a picture box gives the box the focus.
Control* focus_target_of(Control* c) {
  for (; c != nullptr; c = c->container()) {
    if (c->can_take_focus()) return c;
  }
  return nullptr;
}

bool has_focusable_control(const Form& form) { return first_in_tab_order(form) != nullptr; }

// The model's keyboard scroll rules for a focused scroll bar.
void scroll_by_key(ScrollBar& bar, std::int16_t key_code) {
  switch (key_code) {
    case vk::kLeft:
    case vk::kUp: bar.step_by(-bar.small_change()); break;
    case vk::kRight:
    case vk::kDown: bar.step_by(bar.small_change()); break;
    case vk::kPageUp: bar.step_by(-bar.large_change()); break;
    case vk::kPageDown: bar.step_by(bar.large_change()); break;
    case vk::kHome: bar.move_to_min(); break;
    case vk::kEnd: bar.move_to_max(); break;
    default: break;
  }
}

}  // namespace

void InputRouter::deliver(const Input& input) {
  Form* form = app_.form_for_window(input.window);
  if (form == nullptr) return;
  switch (input.kind) {
    case InputKind::ButtonDown: button_down(*form, input.at); break;
    case InputKind::ButtonUp: button_up(*form, input.at); break;
    case InputKind::PointerMoved: tracker_.pointer_moved(*form, input.at); break;
    case InputKind::KeyDown: key_down(*form, input); break;
    case InputKind::KeyUp: break;
    case InputKind::Character: character(*form, input.character); break;
    case InputKind::CloseRequested: app_.unload(form->name()); break;
    // Only a change of the application's active window raises Activate: coming back from
    // another application to the window that was active raises nothing.
    case InputKind::Activated: app_.activate(*form); break;
    // Losing activation or the mouse ends a press in progress: a held scroll arrow stops
    // repeating and the release, wherever it lands, clicks nothing.
    case InputKind::Deactivated:
    case InputKind::CaptureLost: cancel_press(); break;
    case InputKind::Exposed: form->invalidate(input.area); break;
    // A move to a monitor of another density: the window is laid out anew at its scale and
    // takes its new client size; a press in progress ends, as the window moved under it.
    case InputKind::DensityChanged:
      cancel_press();
      form->change_density(input.dpi);
      app_.platform().set_client_size(form->window(), form->client_size());
      break;
  }
}

void InputRouter::forget(const Form& form) {
  if (pressed_form_ == &form) {
    pressed_form_ = nullptr;
    pressed_control_ = nullptr;
  }
  tracker_.forget(form);
}

void InputRouter::cancel_press() {
  pressed_form_ = nullptr;
  pressed_control_ = nullptr;
  tracker_.cancel();
}

void InputRouter::fire_due_repeat(Millis now) {
  app_.at_event_boundary([&] { tracker_.fire_due_repeat(now); });
}

void InputRouter::button_down(Form& form, Point at) {
  Control* hit = control_at(form, at);
  pressed_form_ = &form;
  pressed_control_ = hit;
  if (Control* focus = focus_target_of(hit)) form.set_focus(focus);
  if (auto* bar = dynamic_cast<ScrollBar*>(hit)) tracker_.press(*bar, at);
}

void InputRouter::button_up(Form& form, Point at) {
  Control* pressed = pressed_form_ == &form ? pressed_control_ : nullptr;
  pressed_form_ = nullptr;
  pressed_control_ = nullptr;
  tracker_.release(form, at);
  // Click: pressed and released over the same picture or frame.
  if (raises_click(pressed) && control_at(form, at) == pressed) {
    app_.raise(form, pressed, Event::Click);
  }
}

void InputRouter::key_down(Form& form, const Input& input) {
  const bool plain_tab = input.key_code == vk::kTab && (input.shift & (kCtrlMask | kAltMask)) == 0;
  if (plain_tab && has_focusable_control(form)) {
    form.set_focus(next_in_tab_order(form, form.focused(), (input.shift & kShiftMask) != 0));
    return;
  }
  std::int16_t key_code = input.key_code;
  std::int16_t shift = input.shift;
  Control* target = form.focused();
  if (form.spec().key_preview || target == nullptr) {
    app_.raise_key_down(form, nullptr, key_code, shift);
    if (target == nullptr || key_code == 0 || !form.loaded()) return;
  }
  app_.raise_key_down(form, target, key_code, shift);
  if (key_code == 0 || !form.loaded()) return;
  if (auto* bar = dynamic_cast<ScrollBar*>(target)) scroll_by_key(*bar, key_code);
}

void InputRouter::character(Form& form, char32_t character) {
  // Tab belongs to focus movement, not to KeyPress.
  if (character == U'\t' && has_focusable_control(form)) return;
  std::int16_t key_ascii = character <= 0xFFFF ? static_cast<std::int16_t>(character)
                                               : static_cast<std::int16_t>('?');
  Control* target = form.focused();
  if (form.spec().key_preview || target == nullptr) {
    app_.raise_key_press(form, nullptr, key_ascii);
    if (target == nullptr || key_ascii == 0 || !form.loaded()) return;
  }
  app_.raise_key_press(form, target, key_ascii);
}

}  // namespace tessivar::ui
