#include "ui/key_character.h"

#include <string_view>

#include "ui/platform.h"
#include "ui/virtual_keys.h"

namespace tessivar::ui {
namespace {

bool is_between(std::int16_t code, int first, int last) {
  return code >= first && code <= last;
}

// Control characters and the C1 range are no printing characters: a layout that reports one for
// a key (Delete as 0x7F, say) does not make it a character key.
std::optional<char32_t> printable(char32_t c) {
  if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) return std::nullopt;
  return c;
}

// Keys that make the same control character on every layout, with or without Shift. Tab is
// among them because Windows makes the tab character for it; the engine takes that character
// for moving the focus where the window has a control to move it to, and elsewhere (the splash
// window) it is a key press like any other character.
std::optional<char32_t> fixed_character(std::int16_t key_code) {
  switch (key_code) {
    case vk::kBack:
      return U'\b';
    case vk::kTab:
      return U'\t';
    case vk::kReturn:
      return U'\r';
    case vk::kEscape:
      return U'\x1B';
    case vk::kSpace:
      return U' ';
    default:
      return std::nullopt;
  }
}

// With Ctrl held, Windows makes a character only for the keys its keyboard tables give a
// control column: a letter makes its control character (Ctrl+A 1 to Ctrl+Z 26); Space stays a
// space; Enter makes a line feed and Backspace the delete character, so that Ctrl+Enter and
// Ctrl+Backspace are character keys too; Escape stays Escape; and the ASCII punctuation that
// names a control character ([ \ ] ^ _) makes it. Ctrl with a digit, Tab or any other key makes
// none.
std::optional<char32_t> control_character(const KeyStroke& stroke) {
  if (is_between(stroke.key_code, 'A', 'Z'))
    return static_cast<char32_t>(stroke.key_code - 'A' + 1);
  switch (stroke.key_code) {
    case vk::kSpace:
      return U' ';
    case vk::kReturn:
      return U'\n';
    case vk::kBack:
      return U'\x7F';
    case vk::kEscape:
      return U'\x1B';
    default:
      break;
  }
  constexpr std::u32string_view kNamesOfControlCharacters = U"[\\]^_";
  if (kNamesOfControlCharacters.find(stroke.layout_character) != std::u32string_view::npos) {
    return stroke.layout_character & 0x1F;
  }
  return std::nullopt;
}

}  // namespace

bool is_non_character_key(std::int16_t key_code) {
  return is_between(key_code, 0x0C, 0x0C) ||  // Clear: keypad 5 with Num Lock off
         is_between(key_code, 0x10, 0x14) ||  // Shift, Ctrl, Alt, Pause, Caps Lock
         is_between(key_code, 0x21, 0x2F) ||  // Page Up/Down, End, Home, arrows, Insert, Delete
         is_between(key_code, 0x5B, 0x5D) ||  // the Windows keys, the menu key
         is_between(key_code, 0x70, 0x87) ||  // F1 to F24
         is_between(key_code, 0x90, 0x91) ||  // Num Lock, Scroll Lock
         is_between(key_code, 0xA0, 0xA5);    // left and right Shift, Ctrl, Alt
}

std::optional<char32_t> character_for(const KeyStroke& stroke) {
  if (is_non_character_key(stroke.key_code)) return std::nullopt;
  // AltGr prints the layout's third level (@ on a German Q), although Windows sees Ctrl+Alt.
  if (stroke.alt_graph) return printable(stroke.layout_character);
  // Alt with a key is a system key (menus, Alt+F4): no character.
  if ((stroke.shift & kAltMask) != 0) return std::nullopt;
  if ((stroke.shift & kCtrlMask) != 0) return control_character(stroke);
  if (const auto fixed = fixed_character(stroke.key_code)) return fixed;
  return printable(stroke.layout_character);
}

}  // namespace tessivar::ui
