// One font engine for the whole test program: loading the system's font configuration is the
// slow part, and the engine keeps no state that one test could leave behind for another.
#pragma once

#include <algorithm>
#include <memory>

#include "platform/fonts/font_engine.h"
#include "ui/pixels.h"

namespace tessivar::fonts::test_support {

inline FontEngine& shared_engine() {
  static FontEngine engine;
  return engine;
}

inline std::unique_ptr<ui::Font> open_font(std::string_view face, double points,
                                           std::int16_t weight = 400) {
  return shared_engine().open({.face = face, .points = points, .weight = weight});
}

inline int count_pixels_not(const ui::Bitmap& bitmap, ui::Pixel background) {
  return static_cast<int>(
      std::ranges::count_if(bitmap.pixels, [background](ui::Pixel p) { return p != background; }));
}

}  // namespace tessivar::fonts::test_support
