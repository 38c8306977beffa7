#include "ui/form.h"

#include <algorithm>
#include <climits>

#include "ui/application.h"
#include "ui/picture/picture_decoder.h"
#include "ui/picture_at_density.h"

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

Size pixel_size_of(const ControlSpec& spec, int dpi) {
  const Rect r = twips_rect_to_pixels(spec.left, spec.top, spec.width, spec.height, dpi);
  return {r.width, r.height};
}

DecodedPicture decode_if_any(const PictureRef& picture, Size visible, int dpi) {
  if (picture.empty()) return {};
  return decode_picture_at(picture.bytes, picture.name, visible, dpi);
}

Size client_size_of(const FormSpec& spec, int dpi) {
  return {twips_to_pixels(spec.client_width, dpi), twips_to_pixels(spec.client_height, dpi)};
}

}  // namespace

Form::Form(Application& app, const FormModule& module)
    : app_(app), module_(module), dpi_(usable_dpi(app.platform().screen_dpi())) {
  client_size_ = client_size_of(spec(), dpi_);
  create_controls();
  // A window's picture is clipped to its client area: nothing beyond it is ever decoded. It is
  // decoded after its controls' pictures: a progressive picture needs working memory for all its
  // coefficients while it is decoded, and the window's picture, often the largest, is then not
  // yet held beside it.
  picture_ = decode_if_any(spec().picture, client_size_, dpi_);
  check_bindings();
}

std::unique_ptr<Font> Form::font_for(const ControlSpec& cs) const {
  if (const auto* label = std::get_if<LabelSpec>(&cs.kind)) {
    return app_.platform().open_font(label->font, dpi_);
  }
  if (const auto* frame = std::get_if<FrameSpec>(&cs.kind)) {
    return app_.platform().open_font(frame->font, dpi_);
  }
  return nullptr;
}

DecodedPicture Form::picture_for(const ControlSpec& cs) const {
  if (const auto* image = std::get_if<ImageSpec>(&cs.kind)) {
    // A stretched picture is drawn scaled to the control whatever the density, so it is kept at
    // its own size, as Pixels for the filter; otherwise only what the control's size shows.
    if (image->stretch) {
      if (image->picture.empty()) return {};
      return decode_picture(image->picture.bytes, image->picture.name, {INT_MAX, INT_MAX});
    }
    return decode_if_any(image->picture, pixel_size_of(cs, dpi_), dpi_);
  }
  if (const auto* box = std::get_if<PictureBoxSpec>(&cs.kind)) {
    const Size outer = pixel_size_of(cs, dpi_);
    const int border = picture_box_border_pixels(dpi_);
    const Size inside{std::max(0, outer.width - 2 * border),
                      std::max(0, outer.height - 2 * border)};
    return decode_if_any(box->picture, inside, dpi_);
  }
  return {};
}

void Form::change_density(int dpi) {
  dpi = usable_dpi(dpi);
  if (!loaded_ || dpi == dpi_) return;
  dpi_ = dpi;
  client_size_ = client_size_of(spec(), dpi_);
  picture_ = decode_if_any(spec().picture, client_size_, dpi_);
  for (const std::unique_ptr<Control>& control : controls_) {
    const ControlSpec& cs = control->spec();
    if (auto* label = dynamic_cast<Label*>(control.get())) label->replace_font(font_for(cs));
    if (auto* frame = dynamic_cast<Frame*>(control.get())) frame->replace_font(font_for(cs));
    if (auto* image = dynamic_cast<Image*>(control.get())) image->replace_picture(picture_for(cs));
    if (auto* box = dynamic_cast<PictureBox*>(control.get())) box->replace_picture(picture_for(cs));
  }
  dirty_.clear();
  invalidate(client_area());
}

Form::~Form() = default;

void Form::create_controls() {
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
        control = std::make_unique<Label>(*this, cs, container, font_for(cs));
        break;
      case ControlKind::Image:
        control = std::make_unique<Image>(*this, cs, container, picture_for(cs));
        break;
      case ControlKind::PictureBox:
        control = std::make_unique<PictureBox>(*this, cs, container, picture_for(cs));
        break;
      case ControlKind::Frame:
        control = std::make_unique<Frame>(*this, cs, container, font_for(cs));
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
