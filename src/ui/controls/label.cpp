#include "ui/controls/label.h"

#include "ui/form.h"
#include "ui/paint/text_layout.h"

namespace tessivar::ui {

Label::Label(Form& form, const ControlSpec& spec, Control* container, std::unique_ptr<Font> font)
    : Control(form, spec, container),
      caption_(std::get<LabelSpec>(spec.kind).caption),
      font_(std::move(font)) {}

void Label::set_caption(std::string_view caption) {
  if (!window_loaded() || caption == caption_) return;
  repaint();
  caption_ = caption;
  if (label_spec().auto_size) fit_to_caption();
  repaint();
}

void Label::fit_to_caption() {
  // The font measures in the window's pixels; the properties hold twips.
  const Size extent = single_line_extent(*font_, caption_);
  const int dpi = form().dpi();
  set_width(static_cast<float>(pixels_to_twips(extent.width, dpi)));
  set_height(static_cast<float>(pixels_to_twips(extent.height, dpi)));
}

}  // namespace tessivar::ui
