#include "ui/hit_test.h"

#include <vector>

#include "ui/form.h"

namespace tessivar::ui {
namespace {

Control* hit_among(const std::vector<Control*>& children, Rect clip, Point point);

// `c` is hit if the point lies in its rectangle inside the clip; a container then looks among
// its own children first.
Control* hit_control(Control* c, Rect clip, Point point) {
  if (!c->visible() || c->kind() == ControlKind::Timer) return nullptr;
  const Rect shown = c->outer_rect().intersect(clip);
  if (!shown.contains(point)) return nullptr;
  if (c->is_container()) {
    if (Control* inner = hit_among(c->children(), c->client_rect().intersect(shown), point)) {
      return inner;
    }
  }
  return c;
}

Control* hit_among(const std::vector<Control*>& children, Rect clip, Point point) {
  if (clip.empty()) return nullptr;
  for (const bool windowed : {true, false}) {
    for (Control* c : children) {
      if (c->windowed() != windowed) continue;
      if (Control* hit = hit_control(c, clip, point)) return hit;
    }
  }
  return nullptr;
}

}  // namespace

Control* control_at(const Form& form, Point point) {
  return hit_among(form.top_level_controls(), form.client_area(), point);
}

}  // namespace tessivar::ui
