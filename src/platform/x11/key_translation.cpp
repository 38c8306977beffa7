#include "platform/x11/key_translation.h"

#include <array>

#include "platform/fonts/utf8.h"
#include "ui/key_character.h"
#include "ui/platform.h"
// The X headers come last: their macros (None, Success) would clash with names above.
#include <X11/X.h>
#include <X11/keysym.h>

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
    KeyRow{XK_Scroll_Lock, 0x91}, KeyRow{XK_KP_Begin, 0x0C}, KeyRow{XK_ISO_Level3_Shift, 0x12}, KeyRow{XK_semicolon, 0xBA},   KeyRow{XK_equal, 0xBB},
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

namespace {

bool is_keypad_keysym(unsigned long keysym) { return is_between(keysym, XK_KP_Space, XK_KP_Equal); }

// Windows gives the keypad's code by Num Lock (VK_NUMPAD1 or VK_END), and any other key the code
// of what it prints at its first level; where that has none (the French digit row prints & é "
// there), the first level that has one (its digit).
std::optional<std::int16_t> virtual_key_of(const KeyLookup& lookup) {
  if (lookup.composed) return std::nullopt;
  if (is_keypad_keysym(lookup.keysym)) return virtual_key_for_keysym(lookup.keysym);
  for (const unsigned long keysym : lookup.level_keysyms) {
    if (const auto code = virtual_key_for_keysym(keysym)) return code;
  }
  return std::nullopt;
}

char32_t first_character(const std::string& text) {
  if (text.empty()) return 0;
  std::size_t pos = 0;
  return fonts::next_code_point(text, pos);
}

}  // namespace

TranslatedKey translate_key(const KeyLookup& lookup) {
  TranslatedKey key;
  key.key_code = virtual_key_of(lookup);
  const bool alt_graph = lookup.alt_graph_mask != 0 && (lookup.state & lookup.alt_graph_mask) != 0;
  if (lookup.state & ShiftMask) key.shift |= ui::kShiftMask;
  if ((lookup.state & ControlMask) || alt_graph) key.shift |= ui::kCtrlMask;
  if ((lookup.state & Mod1Mask) || alt_graph) key.shift |= ui::kAltMask;
  key.character = ui::character_for({.key_code = key.key_code.value_or(0),
                                     .shift = key.shift,
                                     .alt_graph = alt_graph,
                                     .layout_character = first_character(lookup.text)});
  return key;
}

}  // namespace tessivar::x11
