// Which of the screen's visuals the program's windows use. The engine paints 0x00RRGGBB in 32
// bits; a visual of that layout takes the engine's pixels as they are, and any other TrueColor
// visual takes them through a conversion when they are presented.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The Xlib headers come last.
#include "platform/x11/x11_display.h"

namespace tessivar::x11 {

// What the screen says of one of its visuals.
struct VisualOffer {
  int visual_class = 0;  // TrueColor, PseudoColor, ...
  int depth = 0;
  std::uint32_t red_mask = 0;
  std::uint32_t green_mask = 0;
  std::uint32_t blue_mask = 0;
  int bits_per_pixel = 0;  // of an image of this depth, from the server's pixmap formats
  bool is_default = false;
};

// The offer the windows should use, or nothing when none is usable. Usable: TrueColor, every
// plane of the depth a colour bit (a 32-bit visual with spare planes holds a compositor's
// alpha, which the engine does not paint), and a pixel format the conversion can write. Among
// those: 0x00RRGGBB in 32 bits first, since it needs no conversion, whatever the default; then
// the most colour the engine's 8 bits a channel can use; then the default visual.
std::optional<std::size_t> best_visual_offer(std::span<const VisualOffer> offers);

struct ScreenVisual {
  Visual* visual = nullptr;
  int depth = 0;
  // The screen's default colormap, or one made for a visual that is not the default: a window
  // of another visual needs a colormap of its own visual. It lives as long as the connection.
  Colormap colormap = 0;
};

// Raises ui::PlatformError, naming what the display is and what is needed, when the screen has
// no usable visual.
ScreenVisual choose_screen_visual(Display* display, int screen);

}  // namespace tessivar::x11
