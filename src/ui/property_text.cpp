#include "ui/property_text.h"

#include <charconv>

#include "ui/form.h"

namespace tessivar::ui {
namespace {

std::string number(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}
std::string number(long value) { return std::to_string(value); }
std::string quoted(std::string_view text) {
  std::string result(1, '"');
  result.append(text);
  result.push_back('"');
  return result;
}
std::string boolean(bool value) { return value ? "True" : "False"; }

std::optional<std::string> form_property(const Form& form, std::string_view p) {
  const FormSpec& s = form.spec();
  if (p == "Caption") return quoted(s.caption);
  if (p == "ClientWidth") return number(long{s.client_width});
  if (p == "ClientHeight") return number(long{s.client_height});
  if (p == "KeyPreview") return boolean(s.key_preview);
  if (p == "ShowInTaskbar") return boolean(s.show_in_taskbar);
  if (p == "Visible") return boolean(form.shown());
  if (p == "ActiveControl") return quoted(form.focused() ? form.focused()->name() : "");
  return std::nullopt;
}

std::optional<std::string> common_property(const Control& c, std::string_view p) {
  if (p == "Left") return number(c.left());
  if (p == "Top") return number(c.top());
  if (p == "Width") return number(c.width());
  if (p == "Height") return number(c.height());
  if (p == "Visible") return boolean(c.visible());
  if (p == "TabIndex" && c.tab_index()) return number(long{*c.tab_index()});
  return std::nullopt;
}

std::optional<std::string> kind_property(const Control& c, std::string_view p) {
  if (const auto* label = dynamic_cast<const Label*>(&c)) {
    if (p == "Caption") return quoted(label->caption());
    if (p == "AutoSize") return boolean(label->label_spec().auto_size);
  }
  if (const auto* bar = dynamic_cast<const ScrollBar*>(&c)) {
    if (p == "Value") return number(long{bar->value()});
    if (p == "Min") return number(long{bar->min()});
    if (p == "Max") return number(long{bar->max()});
    if (p == "SmallChange") return number(long{bar->small_change()});
    if (p == "LargeChange") return number(long{bar->large_change()});
  }
  if (const auto* timer = dynamic_cast<const Timer*>(&c)) {
    if (p == "Interval") return number(long{timer->interval()});
    if (p == "Enabled") return boolean(timer->enabled());
  }
  if (const auto* box = dynamic_cast<const PictureBox*>(&c)) {
    if (p == "Picture") return boolean(box->picture_handle() != 0);
  }
  if (const auto* image = dynamic_cast<const Image*>(&c)) {
    if (p == "Stretch") return boolean(image->stretch());
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> property_text(const Form& form, std::string_view control,
                                         std::string_view property) {
  if (control == kFormName) return form_property(form, property);
  const Control* c = form.find(control);
  if (c == nullptr) return std::nullopt;
  if (auto text = common_property(*c, property)) return text;
  return kind_property(*c, property);
}

}  // namespace tessivar::ui
