// A text control drawn on its container's surface. A transparent label draws its text alone.
#pragma once

#include <memory>
#include <string>

#include "ui/controls/control.h"
#include "ui/font.h"

namespace tessivar::ui {

class Label : public Control {
 public:
  Label(Form& form, const ControlSpec& spec, Control* container, std::unique_ptr<Font> font);

  const LabelSpec& label_spec() const { return std::get<LabelSpec>(spec().kind); }
  const std::string& caption() const { return caption_; }
  const Font& font() const { return *font_; }
  // The font opened anew for another density. Width and Height stay: they are twips.
  void replace_font(std::unique_ptr<Font> font) { font_ = std::move(font); }

  // A new caption is drawn in place of the old one; with AutoSize the label takes the caption's
  // extent first.
  void set_caption(std::string_view caption);

  // Width and Height from the caption's extent, as AutoSize keeps them.
  void fit_to_caption();

 private:
  std::string caption_;
  std::unique_ptr<Font> font_;
};

}  // namespace tessivar::ui
