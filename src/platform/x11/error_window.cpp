#include "platform/x11/error_window.h"

#include <X11/keysym.h>

#include <algorithm>

#include "ui/paint/text_layout.h"
#include "ui/system_colour_scheme.h"
// The Xlib headers come last.
#include "platform/x11/window_hints.h"

namespace tessivar::x11 {

namespace {

constexpr int kMargin = 12;
constexpr int kMaxTextWidth = 420;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonFaceIndex = 15;
constexpr int kButtonTextIndex = 18;
constexpr int kShadowIndex = 16;
constexpr int kHighlightIndex = 20;
constexpr std::string_view kOk = "OK";

// The message broken as the engine breaks a label's caption, so that it breaks at the same
// words on every backend and density.
std::vector<std::string> break_lines(const ui::Font& font, const std::string& message, int width) {
  std::vector<std::string> lines;
  for (const ui::TextLine& line : ui::break_into_lines(font, message, width)) {
    lines.emplace_back(line.text);
  }
  return lines;
}

void fill(ui::PixelView pixels, ui::Rect area, ui::Pixel colour) {
  area = area.intersect(pixels.bounds());
  for (int y = area.y; y < area.bottom(); ++y) {
    std::fill_n(pixels.row(y) + area.x, area.width, colour);
  }
}

}  // namespace

ErrorWindow::ErrorWindow(Display* display, const ScreenVisual& visual, const XAtoms& atoms,
                         fonts::FontEngine& fonts, const std::string& message, bool shared_memory,
                         int dpi)
    : display_(display),
      atoms_(atoms),
      font_(fonts.open(kFont, dpi)),
      dpi_(dpi),
      margin_(ui::standard_pixels(kMargin, dpi)) {
  // Laid out in the standard dialog units of 96 dpi, scaled to the screen's density.
  lines_ = break_lines(*font_, message, ui::standard_pixels(kMaxTextWidth, dpi));
  int text_width = 0;
  for (const std::string& line : lines_) text_width = std::max(text_width, font_->measure(line));
  const int line_height = font_->metrics().line_height;
  const int width = std::max(text_width, ui::standard_pixels(200, dpi)) + 2 * margin_;
  const int text_height = static_cast<int>(lines_.size()) * line_height;
  const int button_width = ui::standard_pixels(kButtonWidth, dpi);
  const int button_height = ui::standard_pixels(kButtonHeight, dpi);
  const int height = margin_ + text_height + margin_ + button_height + margin_;
  button_ = {(width - button_width) / 2, height - margin_ - button_height, button_width,
             button_height};

  const int screen = DefaultScreen(display_);
  // The program's own visual: the message shows on whatever display its windows show on.
  surface_ = std::make_unique<WindowSurface>(display_, visual.visual, visual.depth,
                                             ui::Size{width, height}, shared_memory);

  XSetWindowAttributes attributes{};
  attributes.background_pixmap = None;
  attributes.colormap = visual.colormap;
  attributes.border_pixel = 0;
  attributes.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | KeyPressMask |
                          StructureNotifyMask;
  const ui::Point position{(DisplayWidth(display_, screen) - width) / 2,
                           (DisplayHeight(display_, screen) - height) / 2};
  window_ = XCreateWindow(display_, RootWindow(display_, screen), position.x, position.y,
                          static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
                          visual.depth, InputOutput, visual.visual,
                          CWBackPixmap | CWEventMask | CWColormap | CWBorderPixel, &attributes);
  gc_ = XCreateGC(display_, window_, 0, nullptr);
  apply_window_hints(display_, window_, atoms_,
                     {.kind = ui::WindowKind::FixedDialog, .dialog_type = true}, "Tessivar",
                     {width, height}, position);
  paint();
  XMapRaised(display_, window_);
  XFlush(display_);
}

ErrorWindow::~ErrorWindow() {
  surface_.reset();
  XFreeGC(display_, gc_);
  XDestroyWindow(display_, window_);
  XFlush(display_);
}

void ErrorWindow::paint() {
  const ui::PixelView pixels = surface_->pixels();
  const ui::Pixel face = ui::default_system_colour(kButtonFaceIndex);
  const ui::Pixel text = ui::default_system_colour(kButtonTextIndex);
  fill(pixels, pixels.bounds(), face);
  const ui::FontMetrics metrics = font_->metrics();
  int baseline = margin_ + metrics.ascent;
  for (const std::string& line : lines_) {
    font_->draw(pixels, pixels.bounds(), {margin_, baseline}, line, text);
    baseline += metrics.line_height;
  }
  // A raised button that looks pressed while the pointer holds it down.
  const ui::Pixel light = ui::default_system_colour(button_down_ ? kShadowIndex : kHighlightIndex);
  const ui::Pixel dark = ui::default_system_colour(button_down_ ? kHighlightIndex : kShadowIndex);
  const int line = ui::line_pixels(dpi_);
  fill(pixels, button_, ui::make_pixel(0, 0, 0));
  fill(pixels, button_.inset(line), dark);
  fill(pixels,
       {button_.x + line, button_.y + line, button_.width - 3 * line, button_.height - 3 * line},
       light);
  fill(pixels, button_.inset(2 * line), face);
  const int shift = button_down_ ? line : 0;
  const int text_x = button_.x + (button_.width - font_->measure(kOk)) / 2 + shift;
  const int text_y = button_.y + (button_.height - metrics.ascent - metrics.descent) / 2 +
                     metrics.ascent + shift;
  font_->draw(pixels, button_, {text_x, text_y}, kOk, text);
}

void ErrorWindow::present(ui::Rect area) {
  surface_->put(window_, gc_, area.intersect(surface_->pixels().bounds()));
  XFlush(display_);
}

bool ErrorWindow::handle(const XEvent& event) {
  switch (event.type) {
    case Expose:
      present({event.xexpose.x, event.xexpose.y, event.xexpose.width, event.xexpose.height});
      return true;
    case ButtonPress:
      if (event.xbutton.button == Button1 &&
          button_.contains({event.xbutton.x, event.xbutton.y})) {
        button_down_ = true;
        paint();
        present(button_);
      }
      return true;
    case ButtonRelease:
      if (event.xbutton.button != Button1 || !button_down_) return true;
      button_down_ = false;
      if (button_.contains({event.xbutton.x, event.xbutton.y})) return false;
      paint();
      present(button_);
      return true;
    case KeyPress: {
      const KeySym key = XLookupKeysym(const_cast<XKeyEvent*>(&event.xkey), 0);
      return !(key == XK_Return || key == XK_KP_Enter || key == XK_Escape || key == XK_space);
    }
    case ClientMessage:
      return !(event.xclient.message_type == atoms_.wm_protocols &&
               static_cast<Atom>(event.xclient.data.l[0]) == atoms_.wm_delete_window);
    default: return true;
  }
}

}  // namespace tessivar::x11
