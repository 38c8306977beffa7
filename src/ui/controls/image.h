// A picture control drawn on its container's surface, at natural size or stretched to fill.
#pragma once

#include "ui/controls/control.h"
#include "ui/pixels.h"

namespace tessivar::ui {

class Image : public Control {
 public:
  Image(Form& form, const ControlSpec& spec, Control* container, Bitmap picture)
      : Control(form, spec, container), picture_(std::move(picture)) {}

  const ImageSpec& image_spec() const { return std::get<ImageSpec>(spec().kind); }
  bool stretch() const { return image_spec().stretch; }
  const Bitmap& picture() const { return picture_; }
  // The picture decoded anew for another density.
  void replace_picture(Bitmap picture) { picture_ = std::move(picture); }

 private:
  Bitmap picture_;
};

}  // namespace tessivar::ui
