// The keys a script can name, with the virtual-key code each sends and the character it makes
// on a standard US keyboard.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessivar::drive {

struct NamedKey {
  std::int16_t key_code = 0;
  char32_t character = 0;          // what the key prints on a US layout; 0 for nothing
  char32_t shifted_character = 0;  // with Shift held
};

std::optional<NamedKey> key_named(std::string_view name);

// The character a key makes with the modifiers held, by the engine's rule (0 for none).
char32_t character_for(const NamedKey& key, std::int16_t shift);

}  // namespace tessivar::drive
