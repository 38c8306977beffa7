// A windowed container with the standard sunken edge (two lines of the system's width) inside its
// Width and Height; its picture and its children start at the inner corner of that edge.
#pragma once

#include <cstdint>

#include "ui/controls/control.h"
#include "ui/decoded_picture.h"

namespace tessivar::ui {

// The width of the sunken edge at a window's density: two of the system's lines.
inline int picture_box_border_pixels(int dpi) { return 2 * line_pixels(dpi); }

class PictureBox : public Control {
 public:
  PictureBox(Form& form, const ControlSpec& spec, Control* container, DecodedPicture picture)
      : Control(form, spec, container),
        picture_(std::move(picture)),
        has_picture_(!std::get<PictureBoxSpec>(spec.kind).picture.empty()) {}

  const PictureBoxSpec& picture_box_spec() const { return std::get<PictureBoxSpec>(spec().kind); }
  const DecodedPicture& picture() const { return picture_; }
  // The handle of the picture held: 0 when the box holds none.
  std::uint32_t picture_handle() const;

  Rect client_rect() const override { return outer_rect().inset(border_pixels()); }
  // The width of the sunken edge at the window's density.
  int border_pixels() const;

  // Gives this box the keyboard focus.
  void set_focus();
  // The picture decoded anew for another density.
  void replace_picture(DecodedPicture picture) { picture_ = std::move(picture); }

 private:
  DecodedPicture picture_;
  bool has_picture_;
};

}  // namespace tessivar::ui
