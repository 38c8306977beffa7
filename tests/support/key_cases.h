// The one table of key presses that every backend's keyboard translation is held to: what the
// user presses on which layout, the virtual-key code Windows reports for it, and the character
// it makes (0 for none), as Windows makes it. The engine's rule (ui/key_character.h) is tested
// on it directly; the X11 translation with these keys pressed on a real X server under each
// layout; the Win32 translation with them sent to a window under Wine; the driver uses the rule.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tessivar::testing {

// Modifiers held with the key.
enum KeyModifiers : unsigned {
  kNone = 0,
  kShift = 1,
  kCtrl = 2,
  kAlt = 4,
  kAltGr = 8,    // the layout's third level; Windows reports it as Ctrl+Alt
  kNumLock = 16  // Num Lock on
};

inline constexpr std::int16_t kAnyKeyCode = -1;  // layouts disagree on the code; not checked

struct KeyCase {
  std::string_view layout;  // XKB layout name: us, de, fr
  std::string_view what;
  // A keysym that the key carries on that layout, by which the X11 test finds the key. For
  // ASCII and Latin-1 it is the character itself.
  std::uint32_t keysym;
  unsigned modifiers;
  std::int16_t key_code;       // the virtual-key code
  char32_t layout_character;   // what the layout prints at that level, Ctrl and Alt aside
  char32_t character;          // the character made, 0 for none
};

// X keysyms of the keys that print no character of their own.
namespace keysym {
inline constexpr std::uint32_t kBackSpace = 0xFF08, kTab = 0xFF09, kReturn = 0xFF0D,
                               kEscape = 0xFF1B, kHome = 0xFF50, kLeft = 0xFF51, kUp = 0xFF52,
                               kPageUp = 0xFF55, kPageDown = 0xFF56, kEnd = 0xFF57,
                               kInsert = 0xFF63, kDelete = 0xFFFF, kF1 = 0xFFBE, kF5 = 0xFFC2,
                               kShiftL = 0xFFE1, kControlL = 0xFFE3, kKpEnter = 0xFF8D,
                               kKpAdd = 0xFFAB, kKpDelete = 0xFF9F, kKp1 = 0xFFB1,
                               kKp8 = 0xFFB8, kDeadAcute = 0xFE51, kDeadCircumflex = 0xFE52;
}  // namespace keysym

// layout what                        keysym               modifiers        code   layout  char
inline constexpr std::array kKeyCases = {
    KeyCase{"us", "letter",              'a',                kNone,           0x41, U'a',  U'a'},
    KeyCase{"us", "shifted letter",      'a',                kShift,          0x41, U'A',  U'A'},
    KeyCase{"us", "digit",               '7',                kNone,           0x37, U'7',  U'7'},
    KeyCase{"us", "shifted digit",       '7',                kShift,          0x37, U'&',  U'&'},
    KeyCase{"us", "punctuation",         ';',                kNone,           0xBA, U';',  U';'},
    KeyCase{"us", "space",               ' ',                kNone,           0x20, U' ',  U' '},
    KeyCase{"us", "enter",               keysym::kReturn,    kNone,           0x0D, U'\r', U'\r'},
    KeyCase{"us", "escape",              keysym::kEscape,    kNone,           0x1B, 0x1B,  0x1B},
    KeyCase{"us", "backspace",           keysym::kBackSpace, kNone,           0x08, U'\b', U'\b'},
    KeyCase{"us", "tab",                 keysym::kTab,       kNone,           0x09, U'\t', U'\t'},
    KeyCase{"us", "shift+tab",           keysym::kTab,       kShift,          0x09, U'\t', U'\t'},
    KeyCase{"us", "ctrl+letter",         'a',                kCtrl,           0x41, U'a',  0x01},
    KeyCase{"us", "ctrl+last letter",    'z',                kCtrl,           0x5A, U'z',  0x1A},
    KeyCase{"us", "ctrl+shift+letter",   'a',                kCtrl | kShift,  0x41, U'A',  0x01},
    KeyCase{"us", "ctrl+space",          ' ',                kCtrl,           0x20, U' ',  U' '},
    KeyCase{"us", "ctrl+enter",          keysym::kReturn,    kCtrl,           0x0D, U'\r', U'\n'},
    KeyCase{"us", "ctrl+backspace",      keysym::kBackSpace, kCtrl,           0x08, U'\b', 0x7F},
    KeyCase{"us", "ctrl+[",              '[',                kCtrl,           0xDB, U'[',  0x1B},
    KeyCase{"us", "ctrl+digit",          '1',                kCtrl,           0x31, U'1',  0},
    KeyCase{"us", "ctrl+tab",            keysym::kTab,       kCtrl,           0x09, U'\t', 0},
    KeyCase{"us", "alt+letter",          'a',                kAlt,            0x41, U'a',  0},
    KeyCase{"us", "F1",                  keysym::kF1,        kNone,           0x70, 0,     0},
    KeyCase{"us", "F5",                  keysym::kF5,        kNone,           0x74, 0,     0},
    KeyCase{"us", "left arrow",          keysym::kLeft,      kNone,           0x25, 0,     0},
    KeyCase{"us", "up arrow",            keysym::kUp,        kNone,           0x26, 0,     0},
    KeyCase{"us", "page up",             keysym::kPageUp,    kNone,           0x21, 0,     0},
    KeyCase{"us", "page down",           keysym::kPageDown,  kNone,           0x22, 0,     0},
    KeyCase{"us", "home",                keysym::kHome,      kNone,           0x24, 0,     0},
    KeyCase{"us", "end",                 keysym::kEnd,       kNone,           0x23, 0,     0},
    KeyCase{"us", "insert",              keysym::kInsert,    kNone,           0x2D, 0,     0},
    KeyCase{"us", "delete",              keysym::kDelete,    kNone,           0x2E, 0x7F,  0},
    KeyCase{"us", "shift alone",         keysym::kShiftL,    kShift,          0x10, 0,     0},
    KeyCase{"us", "ctrl alone",          keysym::kControlL,  kCtrl,           0x11, 0,     0},
    KeyCase{"us", "keypad 1, num lock",  keysym::kKp1,       kNumLock,        0x61, U'1',  U'1'},
    KeyCase{"us", "keypad 1, no lock",   keysym::kKp1,       kNone,           0x23, 0,     0},
    KeyCase{"us", "keypad 8, no lock",   keysym::kKp8,       kNone,           0x26, 0,     0},
    KeyCase{"us", "keypad ., num lock",  keysym::kKpDelete,  kNumLock,        0x6E, U'.',  U'.'},
    KeyCase{"us", "keypad ., no lock",   keysym::kKpDelete,  kNone,           0x2E, 0,     0},
    KeyCase{"us", "keypad +",            keysym::kKpAdd,     kNone,           0x6B, U'+',  U'+'},
    KeyCase{"us", "keypad enter",        keysym::kKpEnter,   kNone,           0x0D, U'\r', U'\r'},
    KeyCase{"de", "letter z",            'z',                kNone,           0x5A, U'z',  U'z'},
    KeyCase{"de", "ctrl+z",              'z',                kCtrl,           0x5A, U'z',  0x1A},
    KeyCase{"de", "umlaut",              0xE4,               kNone,           kAnyKeyCode, U'ä', U'ä'},
    KeyCase{"de", "shifted umlaut",      0xE4,               kShift,          kAnyKeyCode, U'Ä', U'Ä'},
    KeyCase{"de", "sharp s",             0xDF,               kNone,           kAnyKeyCode, U'ß', U'ß'},
    KeyCase{"de", "altgr+q",             'q',                kAltGr,          0x51, U'@',  U'@'},
    KeyCase{"de", "shifted digit",       '3',                kShift,          0x33, U'§',  U'§'},
    KeyCase{"fr", "letter a",            'a',                kNone,           0x41, U'a',  U'a'},
    KeyCase{"fr", "e acute",             0xE9,               kNone,           kAnyKeyCode, U'é', U'é'},
    KeyCase{"fr", "shifted e acute",     0xE9,               kShift,          kAnyKeyCode, U'2', U'2'},
    KeyCase{"fr", "ctrl+a",              'a',                kCtrl,           0x41, U'a',  0x01},
    KeyCase{"fr", "altgr+a grave",       0xE0,               kAltGr,          kAnyKeyCode, U'@', U'@'},
};

// A dead key alone makes no character; the key after it makes the composed one.
struct DeadKeyCase {
  std::string_view layout;
  std::string_view what;
  std::uint32_t dead_keysym;
  unsigned dead_modifiers;
  std::uint32_t keysym;
  unsigned modifiers;
  char32_t character;  // made by the second key
};

// layout what                     dead key                  mods    then  mods    char
inline constexpr std::array kDeadKeyCases = {
    DeadKeyCase{"de", "acute, e",       keysym::kDeadAcute,      kNone, 'e', kNone,  U'é'},
    DeadKeyCase{"de", "acute, shift+e", keysym::kDeadAcute,      kNone, 'e', kShift, U'É'},
    DeadKeyCase{"de", "circumflex, a",  keysym::kDeadCircumflex, kNone, 'a', kNone,  U'â'},
    DeadKeyCase{"de", "circumflex, space", keysym::kDeadCircumflex, kNone, ' ', kNone, U'^'},
    DeadKeyCase{"fr", "circumflex, e",  keysym::kDeadCircumflex, kNone, 'e', kNone,  U'ê'},
};

}  // namespace tessivar::testing
