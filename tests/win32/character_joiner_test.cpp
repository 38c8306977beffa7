// WM_CHAR hands characters outside the basic plane as two UTF-16 halves.
#include <gtest/gtest.h>

#include "platform/win32/key_translation.h"

namespace tessivar::win32 {
namespace {

TEST(CharacterJoiner, JoinsSurrogatePairsAndPassesTheRest) {
  CharacterJoiner joiner;
  EXPECT_EQ(joiner.add(u'a'), U'a');
  EXPECT_EQ(joiner.add(0x1B), char32_t{0x1B});  // Escape makes a character too
  EXPECT_EQ(joiner.add(0xD83D), std::nullopt);
  EXPECT_EQ(joiner.add(0xDE00), U'\U0001F600');
}

TEST(CharacterJoiner, DropsHalvesWithoutTheirPartner) {
  CharacterJoiner joiner;
  EXPECT_EQ(joiner.add(0xDE00), std::nullopt);  // a low half alone
  EXPECT_EQ(joiner.add(0xD83D), std::nullopt);
  EXPECT_EQ(joiner.add(u'b'), U'b');  // the high half is forgotten
  EXPECT_EQ(joiner.add(0xDE00), std::nullopt);
}

TEST(KeyRepeat, ReadsBitThirtyOfTheKeyMessage) {
  EXPECT_FALSE(is_key_repeat(0x00490001u));
  EXPECT_TRUE(is_key_repeat(0x40490001u));
}

}  // namespace
}  // namespace tessivar::win32
