// The window sequence: the splash window, its hand-over, its early dismissal.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/application_description.h"
#include "support/headless_harness.h"
#include "ui/virtual_keys.h"

namespace tessivar::testing {
namespace {

using ::testing::ElementsAre;

TEST(StartUp, SplashHandsOverAtOneSecondAndNeverComesBack) {
  HeadlessHarness h{app::tessivar_application()};
  h.start();
  EXPECT_THAT(h.log.lines, ElementsAre("load frmSplash", "activate frmSplash"));
  h.wait(999);
  EXPECT_EQ(h.app.loaded_form("Pellomark"), nullptr);
  h.wait(1);
  EXPECT_THAT(h.log.lines, ElementsAre("load frmSplash", "activate frmSplash", "load Pellomark",
                                       "activate Pellomark", "unload frmSplash"));
  h.wait(5000);
  EXPECT_EQ(h.app.loaded_form("frmSplash"), nullptr);
  EXPECT_EQ(h.log.lines.size(), 5u);
  // Closing the start screen with no About window open ends the application.
  h.platform.request_close(h.window("Pellomark"));
  h.settle();
  EXPECT_FALSE(h.app.running());
}

struct KeyCase {
  const char* name;
  std::int16_t key_code;
  char32_t character;  // 0: the key makes none
};

class SplashKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(SplashKey, CharacterKeysEndTheApplicationOthersLeaveTheSplashUp) {
  const KeyCase k = GetParam();
  HeadlessHarness h{app::tessivar_application()};
  h.start();
  h.wait(500);
  h.key(k.key_code, 0, k.character);
  h.wait(600);
  if (k.character != 0) {
    EXPECT_FALSE(h.app.running());
    EXPECT_THAT(h.log.lines, ElementsAre("load frmSplash", "activate frmSplash",
                                         "unload frmSplash", "end"));
  } else {
    EXPECT_NE(h.app.loaded_form("Pellomark"), nullptr);
    EXPECT_EQ(h.app.loaded_form("frmSplash"), nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SplashKey,
    ::testing::Values(KeyCase{"Letter", 'A', U'a'}, KeyCase{"Digit", '7', U'7'},
                      KeyCase{"Space", ui::vk::kSpace, U' '}, KeyCase{"Enter", ui::vk::kReturn, U'\r'},
                      KeyCase{"Escape", ui::vk::kEscape, 0x1B}, KeyCase{"Arrow", ui::vk::kLeft, 0},
                      KeyCase{"F1", ui::vk::kF1, 0}, KeyCase{"Shift", ui::vk::kShift, 0},
                      KeyCase{"Ctrl", ui::vk::kControl, 0}, KeyCase{"Delete", ui::vk::kDelete, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartUp, SplashShowsItsVersionAndTitleInTheHiddenLabels) {
  HeadlessHarness h{app::tessivar_application()};
  h.start();
  ui::Form& splash = h.form("frmSplash");
  EXPECT_EQ(splash.label("lblVersion").caption(), "Version 1.0.0");
  EXPECT_EQ(splash.label("lblProductName").caption(), "Tessivar 1.0");
  EXPECT_TRUE(splash.label("lblVersion").visible_rect().empty());
}

}  // namespace
}  // namespace tessivar::testing
