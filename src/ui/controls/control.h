// A live control: one per ControlSpec while its window is loaded, holding the current values of
// its properties. Setters change nothing once the window has been unloaded, do nothing when the
// value is unchanged, and otherwise mark the areas the change affects for repainting.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "ui/control_spec.h"
#include "ui/geometry.h"

namespace tessivar::ui {

class Form;

class Control {
 public:
  Control(Form& form, const ControlSpec& spec, Control* container);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlSpec& spec() const { return spec_; }
  std::string_view name() const { return spec_.name; }
  ControlKind kind() const { return kind_of(spec_); }
  bool windowed() const { return is_windowed(kind()); }
  bool is_container() const { return ui::is_container(kind()); }
  Form& form() const { return form_; }
  Control* container() const { return container_; }  // null: the window itself
  const std::vector<Control*>& children() const { return children_; }
  void add_child(Control* child) { children_.push_back(child); }

  float left() const { return left_; }
  float top() const { return top_; }
  float width() const { return width_; }
  float height() const { return height_; }
  bool visible() const { return visible_; }
  std::optional<std::int16_t> tab_index() const { return spec_.tab_index; }

  void set_left(float twips);
  void set_top(float twips);
  void set_width(float twips);
  void set_height(float twips);
  void set_visible(bool visible);

  // The control's outer rectangle in the window's client pixels.
  Rect outer_rect() const;
  // Where its children are measured from and clipped to (containers only).
  virtual Rect client_rect() const { return outer_rect(); }
  // The part of the window that the control can show: its rectangle clipped by every container,
  // empty when it or a container is hidden.
  Rect visible_rect() const;
  // The clip its container imposes on it, in window pixels (empty when a container is hidden).
  Rect container_clip() const;
  // It and every container are Visible.
  bool shown_in_window() const;

  // Picture boxes and scroll bars can hold the focus while they and their containers are visible.
  bool can_take_focus() const;

 protected:
  bool window_loaded() const;
  // Marks what the control shows now for repainting.
  void repaint();
  // Applies a geometry change: repaints the old and the new place.
  template <typename Change>
  void move_or_resize(Change change) {
    if (!window_loaded()) return;
    repaint();
    change();
    repaint();
  }

 private:
  Form& form_;
  const ControlSpec& spec_;
  Control* container_;
  std::vector<Control*> children_;
  float left_;
  float top_;
  float width_;
  float height_;
  bool visible_;
};

}  // namespace tessivar::ui
