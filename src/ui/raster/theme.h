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

// The theme read from a colour scheme, given as a callable from system colour index to Pixel
// (a backend's system colour, or default_system_colour).
template <typename SystemColour>
ThemeColours theme_colours_from(SystemColour&& system_colour) {
  return {
      .face = system_colour(15),
      .highlight = system_colour(20),
      .light = system_colour(22),
      .shadow = system_colour(16),
      .dark_shadow = system_colour(21),
      .button_text = system_colour(18),
      .scroll_trough = system_colour(0),
  };
}

}  // namespace tessivar::ui
