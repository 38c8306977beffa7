#include "platform/x11/key_translation.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

namespace tessivar::x11 {
namespace {

TEST(VirtualKeyForKeysym, GivesTheWindowsCodes) {
  const std::pair<unsigned long, int> cases[] = {
      {XK_a, 0x41},       {XK_Z, 0x5A},      {XK_0, 0x30},       {XK_9, 0x39},
      {XK_F1, 0x70},      {XK_F12, 0x7B},    {XK_Left, 0x25},    {XK_Down, 0x28},
      {XK_Page_Up, 0x21}, {XK_Next, 0x22},   {XK_Home, 0x24},    {XK_End, 0x23},
      {XK_Tab, 0x09},     {XK_Return, 0x0D}, {XK_Escape, 0x1B},  {XK_BackSpace, 0x08},
      {XK_space, 0x20},   {XK_Delete, 0x2E}, {XK_Shift_L, 0x10}, {XK_Control_R, 0x11},
      {XK_Alt_L, 0x12},
  };
  for (const auto& [keysym, code] : cases) {
    EXPECT_EQ(virtual_key_for_keysym(keysym), code) << std::hex << keysym;
  }
  EXPECT_FALSE(virtual_key_for_keysym(XK_Multi_key));
}

TEST(CharacterForKey, OnlyKeysThatMakeACharacterOnWindows) {
  EXPECT_EQ(character_for_key(XK_a, 'a', false), U'a');
  EXPECT_EQ(character_for_key(XK_Return, '\r', false), U'\r');
  EXPECT_EQ(character_for_key(XK_Escape, 0x1B, false), U'\x1B');
  EXPECT_EQ(character_for_key(XK_eacute, 0xE9, false), U'\u00E9');
  EXPECT_EQ(character_for_key(0x100263A, 0, false), U'\u263A');
  EXPECT_FALSE(character_for_key(XK_Delete, 0x7F, false));
  EXPECT_FALSE(character_for_key(XK_Left, 0, false));
  EXPECT_FALSE(character_for_key(XK_Shift_L, 0, false));
  EXPECT_FALSE(character_for_key(XK_a, 'a', true));
}

}  // namespace
}  // namespace tessivar::x11
