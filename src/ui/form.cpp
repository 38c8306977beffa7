#include "ui/form.h"

#include <algorithm>
#include <climits>

#include "ui/application.h"
#include "ui/picture/picture_decoder.h"

namespace tessivar::ui {
namespace {

// Which events each kind raises; a binding to any other is a fault of the description.
bool kind_raises(ControlKind kind, Event event) {
  switch (kind) {
    case ControlKind::Image:
    case ControlKind::Frame: return event == Event::Click;
    case ControlKind::PictureBox: return event == Event::KeyDown || event == Event::KeyPress;
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar:
      return event == Event::Change || event == Event::KeyDown || event == Event::KeyPress;
    case ControlKind::Timer: return event == Event::Timer;
    case ControlKind::Label: return false;
  }
  return false;
}

bool window_raises(Event event) {
  return event == Event::Load || event == Event::Activate || event == Event::KeyDown ||
         event == Event::KeyPress;
}

bool handler_fits(const Handler& handler, Event event) {
  switch (event) {
    case Event::KeyDown: return std::holds_alternative<KeyDownHandler>(handler);
    case Event::KeyPress: return std::holds_alternative<KeyPressHandler>(handler);
    default: return std::holds_alternative<PlainHandler>(handler);
  }
}

Size pixel_size_of(const ControlSpec& spec) {
  const Rect r = twips_rect_to_pixels(spec.left, spec.top, spec.width, spec.height);
  return {r.width, r.height};
}

Bitmap decode_if_any(const PictureRef& picture, Size visible) {
  if (picture.empty()) return {};
  return decode_picture(picture.bytes, picture.name, visible);
}

}  // namespace

Form::Form(Application& app, const FormModule& module) : app_(app), module_(module) {
  const FormSpec& s = spec();
  client_size_ = {twips_to_pixels(s.client_width), twips_to_pixels(s.client_height)};
  // A window's picture is clipped to its client area: nothing beyond it is ever decoded.
  picture_ = decode_if_any(s.picture, client_size_);
  create_controls();
  check_bindings();
}

Form::~Form() = default;

void Form::create_controls() {
  Platform& platform = app_.platform();
  controls_.reserve(spec().controls.size());
  for (const ControlSpec& cs : spec().controls) {
    if (by_name_.contains(cs.name)) {
      throw PlatformError("The window " + std::string(name()) + " describes two controls named " +
                          std::string(cs.name));
    }
    Control* container = nullptr;
    if (cs.container != name()) {
      container = find(cs.container);
      if (container == nullptr || !container->is_container()) {
        throw PlatformError("The control " + std::string(cs.name) + " of " + std::string(name()) +
                            " names " + std::string(cs.container) +
                            ", which is not a picture box or frame listed before it");
      }
    }
    std::unique_ptr<Control> control;
    switch (kind_of(cs)) {
      case ControlKind::Label:
        control = std::make_unique<Label>(*this, cs, container,
                                          platform.open_font(std::get<LabelSpec>(cs.kind).font, 96));
        break;
      case ControlKind::Image: {
        const ImageSpec& is = std::get<ImageSpec>(cs.kind);
        // A stretched picture may show all of itself; otherwise only the control's size.
        const Size visible = is.stretch ? Size{INT_MAX, INT_MAX} : pixel_size_of(cs);
        control = std::make_unique<Image>(*this, cs, container, decode_if_any(is.picture, visible));
        break;
      }
      case ControlKind::PictureBox: {
        const Size outer = pixel_size_of(cs);
        const Size inside{std::max(0, outer.width - 2 * kPictureBoxBorderPixels),
                          std::max(0, outer.height - 2 * kPictureBoxBorderPixels)};
        control = std::make_unique<PictureBox>(
            *this, cs, container, decode_if_any(std::get<PictureBoxSpec>(cs.kind).picture, inside));
        break;
      }
      case ControlKind::Frame:
        control = std::make_unique<Frame>(*this, cs, container,
                                          platform.open_font(std::get<FrameSpec>(cs.kind).font, 96));
        break;
      case ControlKind::HScrollBar:
      case ControlKind::VScrollBar:
        control = std::make_unique<ScrollBar>(*this, cs, container);
        break;
      case ControlKind::Timer:
        control = std::make_unique<Timer>(*this, cs, container, app_.now());
        break;
    }
    Control* raw = control.get();
    by_name_.emplace(cs.name, raw);
    if (container != nullptr) {
      container->add_child(raw);
    } else {
      top_level_.push_back(raw);
    }
    controls_.push_back(std::move(control));
  }
}

void Form::check_bindings() {
  for (const Binding& b : module_.bindings) {
    const Control* target = nullptr;
    std::string where = std::string(name()) + "." + std::string(b.control) + " " +
                        std::string(event_name(b.event));
    if (b.control == kFormName) {
      if (!window_raises(b.event)) throw PlatformError("A window raises no event " + where);
    } else {
      target = find(b.control);
      if (target == nullptr) throw PlatformError("A binding names no control: " + where);
      if (!kind_raises(target->kind(), b.event)) {
        throw PlatformError("The control does not raise the bound event: " + where);
      }
    }
    if (!handler_fits(b.handler, b.event)) {
      throw PlatformError("The handler bound to " + where + " takes the wrong arguments");
    }
    if (!handlers_.emplace(std::pair{target, b.event}, b.handler).second) {
      throw PlatformError("Two handlers are bound to " + where);
    }
  }
}

Control* Form::find(std::string_view control_name) const {
  const auto it = by_name_.find(control_name);
  return it == by_name_.end() ? nullptr : it->second;
}

Control& Form::control(std::string_view control_name) const {
  if (Control* c = find(control_name)) return *c;
  throw PlatformError("The window " + std::string(name()) + " has no control named " +
                      std::string(control_name));
}

const Handler* Form::handler(const Control* control, Event event) const {
  const auto it = handlers_.find({control, event});
  return it == handlers_.end() ? nullptr : &it->second;
}

void Form::set_focus(Control* control) {
  if (!loaded_ || control == focused_) return;
  focused_ = control;
}

void Form::raise_change(ScrollBar& bar) { app_.raise(*this, &bar, Event::Change); }

void Form::invalidate(Rect area) {
  area = area.intersect(client_area());
  if (!loaded_ || area.empty()) return;
  // Keep the list short: an area that touches a pending one joins it.
  for (Rect& pending : dirty_) {
    if (!pending.intersect(area).empty()) {
      pending = pending.unite(area);
      return;
    }
  }
  dirty_.push_back(area);
}

std::vector<Rect> Form::take_pending_paint() {
  std::vector<Rect> areas;
  areas.swap(dirty_);
  // Joining may have made pending areas overlap; merge until none does, so nothing is painted
  // twice.
  for (bool merged = true; merged;) {
    merged = false;
    for (std::size_t i = 0; i < areas.size() && !merged; ++i) {
      for (std::size_t j = i + 1; j < areas.size(); ++j) {
        if (!areas[i].intersect(areas[j]).empty()) {
          areas[i] = areas[i].unite(areas[j]);
          areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(j));
          merged = true;
          break;
        }
      }
    }
  }
  return areas;
}

void Form::attach_window(WindowHandle window) {
  window_ = window;
  invalidate(client_area());
}

void Form::mark_unloaded() {
  loaded_ = false;
  window_ = 0;
  focused_ = nullptr;
  dirty_.clear();
}

}  // namespace tessivar::ui
