// A windowed container drawn as a group box. Its children are measured from its top-left corner
// and clipped to its rectangle, so a frame with no height hides them all.
#pragma once

#include <memory>

#include "ui/controls/control.h"
#include "ui/font.h"

namespace tessivar::ui {

class Frame : public Control {
 public:
  Frame(Form& form, const ControlSpec& spec, Control* container, std::unique_ptr<Font> font)
      : Control(form, spec, container), font_(std::move(font)) {}

  const FrameSpec& frame_spec() const { return std::get<FrameSpec>(spec().kind); }
  const Font& font() const { return *font_; }
  // The font opened anew for another density.
  void replace_font(std::unique_ptr<Font> font) { font_ = std::move(font); }

 private:
  std::unique_ptr<Font> font_;
};

}  // namespace tessivar::ui
