// Events and how handlers are bound to them: by control name and event, in a table per window.
// The window's own events use the control name "Form".
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace tessivar::ui {

class Form;

enum class Event { Load, Activate, Click, KeyDown, KeyPress, Timer, Change };

std::string_view event_name(Event event);

inline constexpr std::string_view kFormName = "Form";

using PlainHandler = void (*)(Form& form);
using KeyDownHandler = void (*)(Form& form, std::int16_t& key_code, std::int16_t& shift);
using KeyPressHandler = void (*)(Form& form, std::int16_t& key_ascii);

using Handler = std::variant<PlainHandler, KeyDownHandler, KeyPressHandler>;

struct Binding {
  std::string_view control;
  Event event;
  Handler handler;
};

}  // namespace tessivar::ui
