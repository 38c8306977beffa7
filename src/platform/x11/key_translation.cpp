#include "platform/x11/key_translation.h"

#include <X11/keysym.h>

#include <array>

namespace tessivar::x11 {

namespace {

struct KeyRow {
  unsigned long keysym;
  std::int16_t virtual_key;
};

// keysym                 virtual-key code
constexpr std::array kKeyTable{
    KeyRow{XK_BackSpace, 0x08},   KeyRow{XK_Tab, 0x09},         KeyRow{XK_ISO_Left_Tab, 0x09},
    KeyRow{XK_Return, 0x0D},      KeyRow{XK_KP_Enter, 0x0D},    KeyRow{XK_Shift_L, 0x10},
    KeyRow{XK_Shift_R, 0x10},     KeyRow{XK_Control_L, 0x11},   KeyRow{XK_Control_R, 0x11},
    KeyRow{XK_Alt_L, 0x12},       KeyRow{XK_Alt_R, 0x12},       KeyRow{XK_Meta_L, 0x12},
    KeyRow{XK_Pause, 0x13},       KeyRow{XK_Caps_Lock, 0x14},   KeyRow{XK_Escape, 0x1B},
    KeyRow{XK_space, 0x20},       KeyRow{XK_Page_Up, 0x21},     KeyRow{XK_KP_Page_Up, 0x21},
    KeyRow{XK_Page_Down, 0x22},   KeyRow{XK_KP_Page_Down, 0x22}, KeyRow{XK_End, 0x23},
    KeyRow{XK_KP_End, 0x23},      KeyRow{XK_Home, 0x24},        KeyRow{XK_KP_Home, 0x24},
    KeyRow{XK_Left, 0x25},        KeyRow{XK_KP_Left, 0x25},     KeyRow{XK_Up, 0x26},
    KeyRow{XK_KP_Up, 0x26},       KeyRow{XK_Right, 0x27},       KeyRow{XK_KP_Right, 0x27},
    KeyRow{XK_Down, 0x28},        KeyRow{XK_KP_Down, 0x28},     KeyRow{XK_Insert, 0x2D},
    KeyRow{XK_KP_Insert, 0x2D},   KeyRow{XK_Delete, 0x2E},      KeyRow{XK_KP_Delete, 0x2E},
    KeyRow{XK_KP_Multiply, 0x6A}, KeyRow{XK_KP_Add, 0x6B},      KeyRow{XK_KP_Subtract, 0x6D},
    KeyRow{XK_KP_Decimal, 0x6E},  KeyRow{XK_KP_Divide, 0x6F},   KeyRow{XK_Num_Lock, 0x90},
    KeyRow{XK_Scroll_Lock, 0x91}, KeyRow{XK_semicolon, 0xBA},   KeyRow{XK_equal, 0xBB},
    KeyRow{XK_comma, 0xBC},       KeyRow{XK_minus, 0xBD},       KeyRow{XK_period, 0xBE},
    KeyRow{XK_slash, 0xBF},       KeyRow{XK_grave, 0xC0},       KeyRow{XK_bracketleft, 0xDB},
    KeyRow{XK_backslash, 0xDC},   KeyRow{XK_bracketright, 0xDD}, KeyRow{XK_apostrophe, 0xDE},
};

bool is_between(unsigned long value, unsigned long first, unsigned long last) {
  return value >= first && value <= last;
}

}  // namespace

std::optional<std::int16_t> virtual_key_for_keysym(unsigned long keysym) {
  if (is_between(keysym, XK_a, XK_z)) return static_cast<std::int16_t>(0x41 + (keysym - XK_a));
  if (is_between(keysym, XK_A, XK_Z)) return static_cast<std::int16_t>(0x41 + (keysym - XK_A));
  if (is_between(keysym, XK_0, XK_9)) return static_cast<std::int16_t>(0x30 + (keysym - XK_0));
  if (is_between(keysym, XK_F1, XK_F24)) return static_cast<std::int16_t>(0x70 + (keysym - XK_F1));
  if (is_between(keysym, XK_KP_0, XK_KP_9)) {
    return static_cast<std::int16_t>(0x60 + (keysym - XK_KP_0));
  }
  for (const KeyRow& row : kKeyTable) {
    if (row.keysym == keysym) return row.virtual_key;
  }
  return std::nullopt;
}

std::optional<char32_t> character_for_key(unsigned long shifted_keysym, int looked_up_byte,
                                          bool alt_held) {
  if (alt_held) return std::nullopt;
  if (shifted_keysym == XK_Delete || shifted_keysym == XK_KP_Delete) return std::nullopt;
  // Keysyms for characters beyond Latin-1 carry the code point directly.
  if (is_between(shifted_keysym, 0x1000100, 0x110FFFF)) {
    return static_cast<char32_t>(shifted_keysym - 0x1000000);
  }
  if (looked_up_byte <= 0) return std::nullopt;
  // XLookupString gives Latin-1, whose bytes are the first 256 code points.
  return static_cast<char32_t>(looked_up_byte);
}

}  // namespace tessivar::x11
