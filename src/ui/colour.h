// Colours as window descriptions give them: 0x80000000 plus an index names one of the user's
// interface colours; any smaller value is RGB laid out 0x00BBGGRR, red in the low byte.
#pragma once

#include <cstdint>

#include "ui/pixels.h"

namespace tessivar::ui {

using Colour = std::uint32_t;

inline constexpr Colour kSystemColourFlag = 0x80000000u;

// The system colours the windows of this system use.
namespace system_colour {
inline constexpr Colour kWindowBackground = 0x80000005u;
inline constexpr Colour kMenuText = 0x80000007u;
inline constexpr Colour kHighlightText = 0x8000000Eu;
inline constexpr Colour kButtonFace = 0x8000000Fu;
inline constexpr Colour kButtonText = 0x80000012u;
}  // namespace system_colour

inline constexpr bool is_system_colour(Colour c) { return c >= kSystemColourFlag; }
inline constexpr int system_colour_index(Colour c) { return static_cast<int>(c & 0xFFu); }

// An RGB colour as a pixel.
inline constexpr Pixel rgb_colour_to_pixel(Colour c) {
  return make_pixel(static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                    static_cast<std::uint8_t>(c >> 16));
}

}  // namespace tessivar::ui
