// A picture control drawn on its container's surface, at natural size or stretched to fill.
#pragma once

#include "ui/controls/control.h"
#include "ui/decoded_picture.h"

namespace tessivar::ui {

class Image : public Control {
 public:
  Image(Form& form, const ControlSpec& spec, Control* container, DecodedPicture picture)
      : Control(form, spec, container), picture_(std::move(picture)) {}

  const ImageSpec& image_spec() const { return std::get<ImageSpec>(spec().kind); }
  bool stretch() const { return image_spec().stretch; }
  const DecodedPicture& picture() const { return picture_; }
  // The picture decoded anew for another density.
  void replace_picture(DecodedPicture picture) { picture_ = std::move(picture); }

 private:
  DecodedPicture picture_;
};

}  // namespace tessivar::ui
