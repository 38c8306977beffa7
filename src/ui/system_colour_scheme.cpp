#include "ui/system_colour_scheme.h"

#include <array>

namespace tessivar::ui {
namespace {

struct SchemeEntry {
  int index;
  Pixel colour;
};

// index  what it colours                              colour
constexpr std::array kScheme = {
    SchemeEntry{0, make_pixel(0xC8, 0xC8, 0xC8)},   // scroll bar trough
    SchemeEntry{5, make_pixel(0xFF, 0xFF, 0xFF)},   // window background
    SchemeEntry{7, make_pixel(0x00, 0x00, 0x00)},   // menu text
    SchemeEntry{8, make_pixel(0x00, 0x00, 0x00)},   // window text
    SchemeEntry{13, make_pixel(0x33, 0x99, 0xFF)},  // highlight (selection background)
    SchemeEntry{14, make_pixel(0xFF, 0xFF, 0xFF)},  // highlighted text
    SchemeEntry{15, make_pixel(0xF0, 0xF0, 0xF0)},  // button face
    SchemeEntry{16, make_pixel(0xA0, 0xA0, 0xA0)},  // button shadow
    SchemeEntry{18, make_pixel(0x00, 0x00, 0x00)},  // button text
    SchemeEntry{20, make_pixel(0xFF, 0xFF, 0xFF)},  // 3D highlight
    SchemeEntry{21, make_pixel(0x69, 0x69, 0x69)},  // 3D dark shadow
    SchemeEntry{22, make_pixel(0xE3, 0xE3, 0xE3)},  // 3D light
};

}  // namespace

Pixel default_system_colour(int index) {
  for (const SchemeEntry& entry : kScheme) {
    if (entry.index == index) return entry.colour;
  }
  return make_pixel(0xF0, 0xF0, 0xF0);
}

}  // namespace tessivar::ui
