// UTF-8 decoding that never fails: text from the locale or a description is drawn whatever its
// bytes, with each malformed sequence shown as one replacement character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessivar::fonts {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point that starts at `pos` and moves `pos` past it. A malformed sequence
// (a stray continuation byte, an overlong form, a surrogate, a value above U+10FFFF, or a
// sequence cut short) yields U+FFFD and consumes its maximal ill-formed prefix, so that the
// next valid character is never swallowed. `pos` must be below text.size().
char32_t next_code_point(std::string_view text, std::size_t& pos);

// Appends the UTF-8 form of `c`, a code point that is not a surrogate.
void append_utf8(std::string& text, char32_t c);

}  // namespace tessivar::fonts
