// A loaded window: its controls with their live values, its handlers, its focus, its pixels and
// the areas waiting to be repainted. It is made from its description at every load; nothing of it
// survives an unload. After an unload the object may live on until the running handler returns,
// but nothing it is asked to change changes any more.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "ui/application_spec.h"
#include "ui/controls/control.h"
#include "ui/controls/frame.h"
#include "ui/controls/image.h"
#include "ui/controls/label.h"
#include "ui/controls/picture_box.h"
#include "ui/controls/scroll_bar.h"
#include "ui/controls/timer.h"
#include "ui/errors.h"
#include "ui/platform.h"

namespace tessivar::ui {

class Application;

class Form {
 public:
  // Loads the window from its description at the density of the screen it will open on: every
  // control with its described values, pictures decoded and fonts opened at that density,
  // bindings checked against the controls. Load has not run yet.
  Form(Application& app, const FormModule& module);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Application& app() const { return app_; }
  const FormSpec& spec() const { return *module_.spec; }
  std::string_view name() const { return spec().name; }
  bool loaded() const { return loaded_; }
  bool shown() const { return window_ != 0; }
  WindowHandle window() const { return window_; }

  // Controls by name, as handlers reach them. A name that is not on the window, or a control of
  // another kind, raises PlatformError.
  Control& control(std::string_view name) const;
  Label& label(std::string_view name) const { return typed<Label>(name); }
  Image& image(std::string_view name) const { return typed<Image>(name); }
  PictureBox& picture_box(std::string_view name) const { return typed<PictureBox>(name); }
  Frame& frame(std::string_view name) const { return typed<Frame>(name); }
  ScrollBar& scroll_bar(std::string_view name) const { return typed<ScrollBar>(name); }
  Timer& timer(std::string_view name) const { return typed<Timer>(name); }
  Control* find(std::string_view name) const;

  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  const std::vector<Control*>& top_level_controls() const { return top_level_; }
  const DecodedPicture& picture() const { return picture_; }
  Rect client_area() const { return {0, 0, client_size_.width, client_size_.height}; }
  Size client_size() const { return client_size_; }
  // The window's density in dots per inch: 1440 / dpi twips to its pixels.
  int dpi() const { return dpi_; }

  // The window moved to a monitor of another density: its client size, fonts and pictures are
  // made anew at `dpi` (pictures decoded again, the one time they are), and all of it is to be
  // repainted. Properties keep their twips; no event runs.
  void change_density(int dpi);

  // The bound handler for an event of a control (null: the window's own events), or none.
  const Handler* handler(const Control* control, Event event) const;

  // Keyboard focus.
  Control* focused() const { return focused_; }
  void set_focus(Control* control);

  // Change of a scroll bar: runs its handler before the assignment returns.
  void raise_change(ScrollBar& bar);

  // Painting: marks an area of the client for repainting; the engine repaints and presents the
  // marked areas after each event.
  void invalidate(Rect area);
  bool has_pending_paint() const { return !dirty_.empty(); }
  std::vector<Rect> take_pending_paint();

  // Called by the engine: creating the platform window when first shown, and the unload.
  void attach_window(WindowHandle window);
  void mark_unloaded();

 private:
  template <typename T>
  T& typed(std::string_view name) const {
    Control& c = control(name);
    if (auto* t = dynamic_cast<T*>(&c)) return *t;
    throw PlatformError("The control " + std::string(name) + " of " + std::string(this->name()) +
                        " is not of the kind the handler expects");
  }
  void create_controls();
  void check_bindings();
  // What a control draws with at the window's density.
  std::unique_ptr<Font> font_for(const ControlSpec& spec) const;
  DecodedPicture picture_for(const ControlSpec& spec) const;

  Application& app_;
  const FormModule& module_;
  bool loaded_ = true;
  WindowHandle window_ = 0;
  int dpi_;
  Size client_size_;
  DecodedPicture picture_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string_view, Control*> by_name_;
  std::vector<Control*> top_level_;
  std::map<std::pair<const Control*, Event>, Handler> handlers_;
  Control* focused_ = nullptr;
  std::vector<Rect> dirty_;
};

}  // namespace tessivar::ui
