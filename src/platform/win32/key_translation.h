// Keys as the engine knows them. Windows hands the virtual-key code itself; what is left is the
// shift state, the repeat flag, and characters that come as two UTF-16 halves.
#pragma once

#include <cstdint>
#include <optional>

namespace tessivar::win32 {

// The shift state bits handlers receive (Shift 1, Ctrl 2, Alt 4) from the keyboard's state at
// the time of the message.
std::int16_t current_shift_state();

// Bit 30 of a key message's lParam: the key was already down, so this is an automatic repeat.
inline bool is_key_repeat(std::uintptr_t lparam) {
  return (lparam >> 30) & 1;
}

// Joins the UTF-16 units of WM_CHAR into characters: a high surrogate waits for its low half.
class CharacterJoiner {
 public:
  std::optional<char32_t> add(std::uint16_t unit) {
    if (unit >= 0xD800 && unit < 0xDC00) {
      high_ = unit;
      return std::nullopt;
    }
    if (unit >= 0xDC00 && unit < 0xE000) {
      const std::uint16_t high = high_;
      high_ = 0;
      if (high == 0) return std::nullopt;  // a lone low half names no character
      return 0x10000 + ((char32_t{high} - 0xD800) << 10) + (unit - 0xDC00);
    }
    high_ = 0;
    return char32_t{unit};
  }

 private:
  std::uint16_t high_ = 0;
};

}  // namespace tessivar::win32
