// Which key presses make a character, and which one: the rule behind KeyPress, decided once for
// every backend. It is the rule Windows follows when it turns a key into a character message
// (WM_CHAR), so that the program answers the same keys on every system.
#pragma once

#include <cstdint>
#include <optional>

namespace tessivar::ui {

// One key going down, as a backend sees it after its keyboard layout has done its part.
struct KeyStroke {
  // The virtual-key code. On the keypad it already follows Num Lock: the digits are 96 to 105
  // with Num Lock on, the navigation keys (Home, Up, Page Up, ...) with it off.
  std::int16_t key_code = 0;
  std::int16_t shift = 0;  // kShiftMask, kCtrlMask, kAltMask
  // The layout's third level (AltGr) is in use. Windows reports AltGr as Ctrl and Alt together,
  // so `shift` may hold both.
  bool alt_graph = false;
  // What the layout prints for the key at the level in use (Shift, Caps Lock, AltGr, and the
  // dead key typed before it, if any), as if Ctrl and Alt were up. 0 when it prints nothing, and
  // for a dead key, which waits for the next key.
  char32_t layout_character = 0;
};

// The character the stroke makes, or none.
std::optional<char32_t> character_for(const KeyStroke& stroke);

// Keys that never make a character, whatever the layout says: modifiers, locks, arrows, Page
// Up and Down, Home, End, Insert, Delete, function keys.
bool is_non_character_key(std::int16_t key_code);

}  // namespace tessivar::ui
