// Fitting the scroll bars to the viewport and canvas, following them, and paging the canvas.
#include "forms/start/start_handlers.h"
#include "ui/conversions.h"
#include "ui/virtual_keys.h"

namespace tessivar::forms::start {

using ui::checked_difference;
using ui::checked_sum;
using ui::to_int16;

void Form_Load(ui::Form& form) {
  ui::PictureBox& viewport = form.picture_box("picWindow");
  ui::PictureBox& canvas = form.picture_box("picPicture");
  ui::ScrollBar& across = form.scroll_bar("HScroll1");
  ui::ScrollBar& down = form.scroll_bar("VScroll1");

  down.set_height(viewport.height());
  across.set_width(viewport.width());
  down.set_max(to_int16(checked_difference(canvas.height(), viewport.height())));
  across.set_max(to_int16(checked_difference(canvas.width(), viewport.width())));
  down.set_small_change(100);
  across.set_small_change(100);
  down.set_large_change(to_int16(viewport.height()));
  across.set_large_change(to_int16(viewport.width()));

  if (canvas.picture_handle() == 0) {
    ui::Label& notice = form.label("lblNoPicture");
    notice.set_visible(true);
    notice.set_caption(std::string("Change picPicture's Picture property to refer ") +
                       "to the location of winnt.bmp (or any large picture)");
  }
}

void Form_Activate(ui::Form& form) { form.picture_box("picPicture").set_focus(); }

void HScroll1_Change(ui::Form& form) {
  form.picture_box("picPicture").set_left(-static_cast<float>(form.scroll_bar("HScroll1").value()));
}

void VScroll1_Change(ui::Form& form) {
  form.picture_box("picPicture").set_top(-static_cast<float>(form.scroll_bar("VScroll1").value()));
}

void picPicture_KeyDown(ui::Form& form, std::int16_t& key_code, std::int16_t& /*shift*/) {
  CheckKeyCode(form, key_code);
}

void CheckKeyCode(ui::Form& form, const std::int16_t& key_code) {
  ui::PictureBox& canvas = form.picture_box("picPicture");
  ui::ScrollBar& down = form.scroll_bar("VScroll1");

  const std::int16_t page = to_int16(down.height());  // read for every key, before the key test
  if (key_code != ui::vk::kPageDown && key_code != ui::vk::kPageUp) return;

  const double offset = -static_cast<double>(canvas.top());
  double target = key_code == ui::vk::kPageDown ? checked_sum(offset, page)
                                                : checked_difference(offset, page);
  if (target > down.max()) {
    target = down.max();
    canvas.set_top(-static_cast<float>(down.max()));
  }
  // The Change rule moves the canvas, and only when the Value really changes.
  down.set_value(target > 0 ? to_int16(target) : std::int16_t{0});
}

}  // namespace tessivar::forms::start
