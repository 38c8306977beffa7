// Small surfaces and a theme whose colours are all different, so a test can tell from a pixel
// which part of a control drew it.
#pragma once

#include <gtest/gtest.h>

#include "ui/pixels.h"
#include "ui/raster/theme.h"

namespace tessivar::ui::testing {

inline constexpr Pixel kBackground = 0xFF123456u;

inline ThemeColours distinct_theme() {
  return {
      .face = 0xFFC0C0C0u,
      .highlight = 0xFFFFFFFFu,
      .light = 0xFFDFDFDFu,
      .shadow = 0xFF808080u,
      .dark_shadow = 0xFF404040u,
      .button_text = 0xFF000000u,
      .scroll_trough = 0xFFD4D0C8u,
  };
}

inline Bitmap surface(int width, int height) {
  return Bitmap(width, height, kBackground);
}

}  // namespace tessivar::ui::testing
