#include "ui/controls/picture_box.h"

#include "ui/form.h"

namespace tessivar::ui {

std::uint32_t PictureBox::picture_handle() const {
  // Any non-zero number names the picture; its address is stable while the window is loaded.
  return has_picture_ ? static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&picture_) | 1u)
                      : 0u;
}

void PictureBox::set_focus() { form().set_focus(this); }

int PictureBox::border_pixels() const { return picture_box_border_pixels(form().dpi()); }

}  // namespace tessivar::ui
