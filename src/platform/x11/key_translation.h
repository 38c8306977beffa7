// Keys as the engine knows them: what Xlib reports for a key press turned into the Windows
// virtual-key code, the shift state and the character the engine's rule gives it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tessivar::x11 {

// The virtual-key code for a keysym; none for keys Windows has no code for.
std::optional<std::int16_t> virtual_key_for_keysym(unsigned long keysym);

// What Xlib reports for one key press; the input method gathers it (input_method.h).
struct KeyLookup {
  // The key's keysyms at levels 1 to 4 of the active group (0 where it has none).
  std::array<unsigned long, 4> level_keysyms{};
  // The keysym the layout chose for the modifiers held: Shift, Caps Lock, Num Lock, AltGr.
  unsigned long keysym = 0;
  // The UTF-8 text the layout prints for the key, looked up as if Ctrl and Alt were up; empty
  // for a dead key and for keys that print nothing.
  std::string text;
  unsigned state = 0;           // the event's modifier state, X masks
  unsigned alt_graph_mask = 0;  // the modifier that selects the third level (AltGr), if any
  // The input method's own event that carries the character composed after a dead key.
  bool composed = false;
};

struct TranslatedKey {
  std::optional<std::int16_t> key_code;  // none: the press raises no KeyDown
  std::int16_t shift = 0;                // as handlers receive it; AltGr is Ctrl+Alt, as on Windows
  std::optional<char32_t> character;
};

TranslatedKey translate_key(const KeyLookup& lookup);

}  // namespace tessivar::x11
