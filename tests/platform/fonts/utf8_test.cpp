#include "platform/fonts/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace tessivar::fonts {
namespace {

std::u32string decode(std::string_view text) {
  std::u32string out;
  for (std::size_t pos = 0; pos < text.size();) out += next_code_point(text, pos);
  return out;
}

struct DecodeCase {
  const char* name;
  std::string bytes;
  std::u32string expected;
};

// Each malformed sequence becomes one U+FFFD, and the character after it survives.
TEST(Utf8, DecodesWellFormedTextAndReplacesEachMalformedSequence) {
  const DecodeCase cases[] = {
      {"ascii", "3:07 PM", U"3:07 PM"},
      {"two to four bytes", "\xC3\xA9\xE2\x80\xAF\xF0\x9F\x98\x80", U"\u00E9\u202F\U0001F600"},
      {"stray continuation", "a\x80z", U"a\uFFFDz"},
      {"invalid lead bytes", "\xC0\xFF", U"\uFFFD\uFFFD"},
      {"overlong slash", "\xC0\xAF!", U"\uFFFD\uFFFD!"},
      {"overlong three bytes", "\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},
      {"surrogate half", "\xED\xA0\x80x", U"\uFFFD\uFFFD\uFFFDx"},
      {"above U+10FFFF", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"cut short at the end", "ok\xE2\x82", U"ok\uFFFD"},
      {"cut short by a new character",
       "\xE2\x82"
       "A",
       U"\uFFFDA"},
      {"highest code point", "\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
  };
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(decode(c.bytes), c.expected);
  }
}

}  // namespace
}  // namespace tessivar::fonts
