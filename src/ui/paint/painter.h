// Paints a window into its surface in the model's order: BackColor, Picture, the lightweight
// children from the last listed to the first, then the windowed children from the last listed
// to the first, each clipped to its container and painted the same way with its own children.
#pragma once

#include <vector>

#include "ui/colour.h"
#include "ui/geometry.h"
#include "ui/pixels.h"
#include "ui/raster/theme.h"

namespace tessivar::ui {

class Control;
class Form;
class Platform;

class Painter {
 public:
  explicit Painter(const Platform& platform);

  // Repaints `area` of the window's client into `target`; nothing outside it changes.
  void paint(const Form& form, PixelView target, Rect area) const;

  Pixel resolve(Colour colour) const;

 private:
  void paint_children(const std::vector<Control*>& children, PixelView target, Rect clip) const;
  void paint_control(const Control& control, PixelView target, Rect clip) const;

  const Platform& platform_;
  ThemeColours theme_;
};

}  // namespace tessivar::ui
