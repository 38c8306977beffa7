// The engine's rule for which keys make a character, on the shared table of key presses.
#include "ui/key_character.h"

#include <gtest/gtest.h>

#include "support/key_cases.h"
#include "ui/platform.h"

namespace tessivar::testing {
namespace {

// The stroke a backend hands the rule for a row: Windows reports AltGr as Ctrl+Alt.
ui::KeyStroke stroke_for(const KeyCase& k) {
  std::int16_t shift = 0;
  if (k.modifiers & kShift) shift |= ui::kShiftMask;
  if (k.modifiers & (kCtrl | kAltGr)) shift |= ui::kCtrlMask;
  if (k.modifiers & (kAlt | kAltGr)) shift |= ui::kAltMask;
  return {.key_code = k.key_code == kAnyKeyCode ? std::int16_t{0} : k.key_code,
          .shift = shift,
          .alt_graph = (k.modifiers & kAltGr) != 0,
          .layout_character = k.layout_character};
}

TEST(KeyCharacter, EveryRowOfTheSharedTable) {
  for (const KeyCase& k : kKeyCases) {
    const auto made = ui::character_for(stroke_for(k));
    EXPECT_EQ(made.value_or(0), k.character) << k.layout << " " << k.what;
  }
}

TEST(KeyCharacter, NonCharacterKeysMakeNoneWhateverTheLayoutReports) {
  // A layout may report 0x7F for Delete, or a digit for a keypad key with Num Lock off.
  for (const std::int16_t key : {0x2E, 0x23, 0x25, 0x70, 0x10, 0x90}) {
    EXPECT_FALSE(ui::character_for({.key_code = key, .layout_character = U'1'})) << key;
  }
  // A dead key waiting for the next key reports nothing, and so makes nothing.
  EXPECT_FALSE(ui::character_for({.key_code = 0xDD, .layout_character = 0}));
}

}  // namespace
}  // namespace tessivar::testing
