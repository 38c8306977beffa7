#include "ui/paint/painter.h"

#include "ui/form.h"
#include "ui/paint/text_layout.h"
#include "ui/platform.h"
#include "ui/raster/blit.h"
#include "ui/raster/edges.h"
#include "ui/raster/fill.h"
#include "ui/raster/scroll_bar_painter.h"

namespace tessivar::ui {
namespace {

// Where a frame's caption starts, from the frame's left edge, and how far the break in its line
// reaches either side of the caption, in pixels at 96 dpi.
constexpr int kFrameCaptionIndent = 8;
constexpr int kFrameCaptionMargin = 2;

// A back colour with a picture over it from `origin`. Under an opaque picture the colour shows
// only where the picture does not reach, and only there is it painted.
void paint_back_and_picture(PixelView target, Rect area, Pixel back, const DecodedPicture& picture,
                            Point origin) {
  const Size size = picture.size();
  const Rect covered = picture.opaque()
                           ? area.intersect({origin.x, origin.y, size.width, size.height})
                           : Rect{};
  if (covered.empty()) {
    fill_rect(target, area, area, back);
  } else {
    // What is left of `area`: the bands above and below the picture, then beside it.
    const Rect bands[] = {
        {area.x, area.y, area.width, covered.y - area.y},
        {area.x, covered.bottom(), area.width, area.bottom() - covered.bottom()},
        {area.x, covered.y, covered.x - area.x, covered.height},
        {covered.right(), covered.y, area.right() - covered.right(), covered.height},
    };
    for (const Rect& band : bands) {
      if (!band.empty()) fill_rect(target, band, band, back);
    }
  }
  if (!picture.empty()) picture.draw(target, origin, area);
}

}  // namespace

Painter::Painter(const Platform& platform) : platform_(platform) {
  theme_ = {.face = platform.system_colour(15),
            .highlight = platform.system_colour(20),
            .light = platform.system_colour(22),
            .shadow = platform.system_colour(16),
            .dark_shadow = platform.system_colour(21),
            .button_text = platform.system_colour(18),
            .scroll_trough = platform.system_colour(0)};
}

Pixel Painter::resolve(Colour colour) const {
  return is_system_colour(colour) ? platform_.system_colour(system_colour_index(colour))
                                  : rgb_colour_to_pixel(colour);
}

void Painter::paint(const Form& form, PixelView target, Rect area) const {
  const Rect clip = area.intersect(form.client_area()).intersect(target.bounds());
  if (clip.empty()) return;
  paint_back_and_picture(target, clip, resolve(form.spec().back_color), form.picture(), {0, 0});
  paint_children(form.top_level_controls(), target, clip);
}

void Painter::paint_children(const std::vector<Control*>& children, PixelView target,
                             Rect clip) const {
  if (clip.empty()) return;
  // Back to front: the lightweight group first, then the windowed group in front of it, each
  // from the last listed to the first.
  for (const bool windowed : {false, true}) {
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      if ((*it)->windowed() == windowed) paint_control(**it, target, clip);
    }
  }
}

void Painter::paint_control(const Control& control, PixelView target, Rect clip) const {
  if (!control.visible() || control.kind() == ControlKind::Timer) return;
  const Rect outer = control.outer_rect();
  const Rect shown = outer.intersect(clip);
  if (shown.empty()) return;

  const int dpi = control.form().dpi();
  switch (control.kind()) {
    case ControlKind::Label: {
      const auto& label = static_cast<const Label&>(control);
      const LabelSpec& s = label.label_spec();
      if (s.back_style == BackStyle::Opaque) fill_rect(target, outer, shown, resolve(s.back_color));
      draw_text_block(target, outer, shown, label.font(), label.caption(), s.alignment,
                      resolve(s.fore_color));
      break;
    }
    case ControlKind::Image: {
      const auto& image = static_cast<const Image&>(control);
      if (image.picture().empty()) break;
      if (image.stretch()) {
        image.picture().draw_scaled(target, outer, shown);
      } else {
        image.picture().draw(target, {outer.x, outer.y}, shown);
      }
      break;
    }
    case ControlKind::PictureBox: {
      const auto& box = static_cast<const PictureBox&>(control);
      const Rect inside = box.client_rect().intersect(shown);
      paint_back_and_picture(target, inside, resolve(box.picture_box_spec().back_color),
                             box.picture(), {box.client_rect().x, box.client_rect().y});
      paint_children(box.children(), target, inside);
      draw_sunken_edge(target, outer, shown, theme_, dpi);
      break;
    }
    case ControlKind::Frame: {
      const auto& frame = static_cast<const Frame&>(control);
      const FrameSpec& s = frame.frame_spec();
      fill_rect(target, outer, shown, resolve(s.back_color));
      const int indent = standard_pixels(kFrameCaptionIndent, dpi);
      const int margin = standard_pixels(kFrameCaptionMargin, dpi);
      Rect gap;
      if (!s.caption.empty()) {
        const Size extent = single_line_extent(frame.font(), s.caption);
        gap = {outer.x + indent - margin, outer.y, extent.width + 2 * margin, extent.height};
      }
      draw_group_box(target, outer, gap, shown, theme_, dpi);
      if (!s.caption.empty()) {
        draw_text_block(target, {outer.x + indent, outer.y, outer.width - indent, outer.height},
                        shown, frame.font(), s.caption, Alignment::Left, resolve(s.fore_color));
      }
      paint_children(frame.children(), target, shown);
      break;
    }
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar: {
      const auto& bar = static_cast<const ScrollBar&>(control);
      draw_scroll_bar(target, outer, bar.orientation(), bar.geometry(), bar.look().pressed, shown,
                      theme_, dpi);
      break;
    }
    case ControlKind::Timer: break;
  }
}

}  // namespace tessivar::ui
