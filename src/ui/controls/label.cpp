#include "ui/controls/label.h"

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
  const Size extent = single_line_extent(*font_, caption_);
  set_width(static_cast<float>(extent.width * kTwipsPerPixel));
  set_height(static_cast<float>(extent.height * kTwipsPerPixel));
}

}  // namespace tessivar::ui
