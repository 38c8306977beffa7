// Keys as the engine knows them: X keysyms turned into Windows virtual-key codes, and the rule
// for which keys make a character.
#pragma once

#include <cstdint>
#include <optional>

namespace tessivar::x11 {

// The virtual-key code for an unshifted keysym (the keysym of the key's first level, so that
// "a" and "A" both give 0x41); none for keys Windows has no code for.
std::optional<std::int16_t> virtual_key_for_keysym(unsigned long keysym);

// The character a key press makes, given the shifted keysym and the first byte XLookupString
// produced (0 when it produced none). None for keys that make no character on Windows: Delete,
// arrows, function keys, modifiers alone, and anything pressed with Alt.
std::optional<char32_t> character_for_key(unsigned long shifted_keysym, int looked_up_byte,
                                          bool alt_held);

}  // namespace tessivar::x11
