// The splash window's face and Load, and the About window.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

#include "app/application_description.h"
#include "forms/about/about_form.h"
#include "forms/splash/splash_form.h"
#include "forms/start/start_form.h"
#include "support/headless_harness.h"
#include "support/reference_image.h"
#include "ui/paint/text_layout.h"
#include "ui/virtual_keys.h"

namespace tessivar::testing {
namespace {

struct VersionCase {
  ui::AppVersion version;
  const char* text;
};

class SplashVersion : public ::testing::TestWithParam<VersionCase> {};

TEST_P(SplashVersion, LoadBuildsTheVersionTextAndBothLabelsTakeTheirCaptionsSize) {
  const std::array forms = {forms::splash::splash_form(), forms::start::start_form(),
                            forms::about::about_form()};
  const ui::ApplicationSpec spec{.title = "Tessivar 1.0", .version = GetParam().version,
                                 .forms = forms, .startup_form = "frmSplash"};
  HeadlessHarness h{spec};
  h.start();
  ui::Form& splash = h.form("frmSplash");
  for (const auto& [name, caption] : {std::pair{"lblVersion", std::string(GetParam().text)},
                                      std::pair{"lblProductName", std::string("Tessivar 1.0")}}) {
    const ui::Label& label = splash.label(name);
    EXPECT_EQ(label.caption(), caption);
    const ui::Size extent = ui::single_line_extent(label.font(), caption);
    EXPECT_EQ(label.width(), extent.width * 15) << name;
    EXPECT_EQ(label.height(), extent.height * 15) << name;
  }
  // The face of the window keeps its own text.
  EXPECT_EQ(splash.label("Label2").caption(), "Version : 1.0");
}

INSTANTIATE_TEST_SUITE_P(Versions, SplashVersion,
                         ::testing::Values(VersionCase{{1, 0, 0}, "Version 1.0.0"},
                                           VersionCase{{2, 10, 305}, "Version 2.10.305"},
                                           VersionCase{{-1, 7, -32768}, "Version -1.7.-32768"}));

TEST(Splash, NothingOfTheHiddenFrameIsEverDrawnAndTheFaceLooksAsDescribed) {
  HeadlessHarness h{app::tessivar_application()};
  h.start();
  ui::Form& splash = h.form("frmSplash");
  for (const ui::Control* child : splash.frame("Frame1").children()) {
    EXPECT_TRUE(child->visible_rect().empty()) << child->name();
  }
  EXPECT_TRUE(splash.frame("Frame1").visible_rect().empty());
  expect_matches_reference(h.platform.surface(h.window("frmSplash")), "splash");
}

class About : public ::testing::Test {
 protected:
  void SetUp() override {
    h.start();
    h.wait(1000);
    h.app.show("frmAbout");
    h.settle();
  }
  HeadlessHarness h{app::tessivar_application()};
};

TEST_F(About, LooksAsDescribed) {
  const ui::WindowHandle w = h.window("frmAbout");
  EXPECT_EQ(h.platform.window(w)->description.title, "About Tessivar  Version 1.0 (BETA)");
  EXPECT_EQ(h.platform.window(w)->description.kind, ui::WindowKind::ToolWindow);
  EXPECT_FALSE(h.platform.window(w)->description.taskbar_button);
  expect_matches_reference(h.platform.surface(w), "about");
}

TEST_F(About, KeysChangeNothingAndAReopenedWindowShowsItsDescribedValues) {
  const ui::Bitmap before = h.platform.surface(h.window("frmAbout"));
  const float canvas_top = h.form("Pellomark").picture_box("picPicture").top();
  const std::size_t handlers = h.log.handlers.size();
  for (const std::int16_t key : {ui::vk::kPageDown, ui::vk::kTab, ui::vk::kDown}) h.key(key);
  h.key('A', 0, U'a');
  h.key(ui::vk::kReturn, 0, U'\r');
  EXPECT_EQ(h.platform.surface(h.window("frmAbout")).pixels, before.pixels);
  EXPECT_EQ(h.form("Pellomark").picture_box("picPicture").top(), canvas_top);
  EXPECT_EQ(h.log.handlers.size(), handlers);  // nothing but nothing ran

  h.form("frmAbout").label("Label1").set_caption("changed");
  h.platform.request_close(h.window("frmAbout"));
  h.settle();
  h.app.show("frmAbout");
  h.settle();
  EXPECT_EQ(h.form("frmAbout").label("Label1").caption(), "Tessivar");
  EXPECT_EQ(h.platform.surface(h.window("frmAbout")).pixels, before.pixels);
}

}  // namespace
}  // namespace tessivar::testing
