// A property's current value as text, by name, for the driver and for tests: numbers as their
// type prints them, texts in double quotes, booleans True or False.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessivar::ui {

class Form;

// `control` is a control's name or "Form" for the window; none when the window has no such
// control or the control no such property.
std::optional<std::string> property_text(const Form& form, std::string_view control,
                                         std::string_view property);

}  // namespace tessivar::ui
