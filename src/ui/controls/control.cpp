#include "ui/controls/control.h"

#include "ui/form.h"

namespace tessivar::ui {

Control::Control(Form& form, const ControlSpec& spec, Control* container)
    : form_(form),
      spec_(spec),
      container_(container),
      left_(spec.left),
      top_(spec.top),
      width_(spec.width),
      height_(spec.height),
      visible_(spec.visible) {}

bool Control::window_loaded() const { return form_.loaded(); }

void Control::repaint() { form_.invalidate(visible_rect()); }

void Control::set_left(float twips) {
  if (twips == left_) return;
  move_or_resize([&] { left_ = twips; });
}
void Control::set_top(float twips) {
  if (twips == top_) return;
  move_or_resize([&] { top_ = twips; });
}
void Control::set_width(float twips) {
  if (twips == width_) return;
  move_or_resize([&] { width_ = twips; });
}
void Control::set_height(float twips) {
  if (twips == height_) return;
  move_or_resize([&] { height_ = twips; });
}
void Control::set_visible(bool visible) {
  if (visible == visible_ || !window_loaded()) return;
  // Hiding repaints what it showed; showing repaints where it now shows.
  if (!visible) repaint();
  visible_ = visible;
  if (visible) repaint();
}

Rect Control::outer_rect() const {
  const Rect origin = container_ ? container_->client_rect() : Rect{};
  return twips_rect_to_pixels(left_, top_, width_, height_, form_.dpi())
      .translated(origin.x, origin.y);
}

bool Control::shown_in_window() const {
  for (const Control* c = this; c != nullptr; c = c->container_) {
    if (!c->visible_) return false;
  }
  return true;
}

Rect Control::container_clip() const {
  Rect clip = form_.client_area();
  for (const Control* c = container_; c != nullptr; c = c->container_) {
    if (!c->visible_) return {};
    clip = clip.intersect(c->client_rect());
  }
  return clip;
}

Rect Control::visible_rect() const {
  if (!visible_) return {};
  return outer_rect().intersect(container_clip());
}

bool Control::can_take_focus() const {
  const ControlKind k = kind();
  const bool focusable_kind =
      k == ControlKind::PictureBox || k == ControlKind::HScrollBar || k == ControlKind::VScrollBar;
  return focusable_kind && shown_in_window();
}

}  // namespace tessivar::ui
