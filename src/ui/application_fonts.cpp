#include "ui/application_fonts.h"

#include <algorithm>
#include <variant>

#include "ui/form_spec.h"

namespace tessivar::ui {

std::vector<FontSpec> fonts_named_in(const ApplicationSpec& application) {
  std::vector<FontSpec> fonts;
  const auto add = [&fonts](const FontSpec& font) {
    if (std::find(fonts.begin(), fonts.end(), font) == fonts.end()) fonts.push_back(font);
  };
  for (const FormModule& form : application.forms) {
    if (form.spec == nullptr) continue;
    for (const ControlSpec& control : form.spec->controls) {
      if (const auto* label = std::get_if<LabelSpec>(&control.kind)) add(label->font);
      if (const auto* frame = std::get_if<FrameSpec>(&control.kind)) add(frame->font);
    }
  }
  return fonts;
}

}  // namespace tessivar::ui
