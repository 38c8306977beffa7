// The colours of the standard three-dimensional control look. The platform fills them from its
// colour scheme; on Windows they are the system colours named beside each member.
#pragma once

#include "ui/pixels.h"

namespace tessivar::ui {

struct ThemeColours {
  Pixel face = 0;           // 15, button face
  Pixel highlight = 0;      // 20, the lit outer edge of a raised element
  Pixel light = 0;          // 22, the lit inner edge
  Pixel shadow = 0;         // 16, the shaded inner edge
  Pixel dark_shadow = 0;    // 21, the shaded outer edge
  Pixel button_text = 0;    // 18, glyphs on buttons
  Pixel scroll_trough = 0;  // 0, the scroll bar's trough
};

}  // namespace tessivar::ui
