// Clicking the tiles as a user would, through the headless backend.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "app/application_description.h"
#include "forms/start/tile_slot.h"
#include "support/headless_harness.h"
#include "ui/hit_test.h"
#include "ui/virtual_keys.h"

namespace tessivar::testing {
namespace {

using forms::start::LaunchAction;
using forms::start::tile_table;

class Tiles : public ::testing::Test {
 protected:
  void SetUp() override {
    h.platform.set_screen_dpi(dpi());
    h.start();
    h.wait(1000);
    ASSERT_NE(h.app.loaded_form("Pellomark"), nullptr);
  }
  ui::Form& start() { return h.form("Pellomark"); }
  virtual int dpi() const { return ui::kStandardDpi; }
  // A point `twips` from the canvas's inner corner.
  ui::Point on_canvas(double x, double y) {
    const ui::Rect inside = start().picture_box("picPicture").client_rect();
    return {inside.x + ui::twips_to_pixels(x, dpi()), inside.y + ui::twips_to_pixels(y, dpi())};
  }

  // A pixel that shows the control, moving the canvas as a user would when it does not.
  ui::Point reveal(std::string_view name) {
    const ui::Control& c = start().control(name);
    for (int attempt = 0; attempt < 4; ++attempt) {
      // The centre if it shows the control, else any pixel that does (labels may cover a part).
      const ui::Rect r = c.visible_rect();
      const ui::Point centre{r.x + r.width / 2, r.y + r.height / 2};
      if (!r.empty() && ui::control_at(start(), centre) == &c) return centre;
      for (int y = r.y; y < r.bottom(); y += 3) {
        for (int x = r.x; x < r.right(); x += 3) {
          if (ui::control_at(start(), {x, y}) == &c) return {x, y};
        }
      }
      // Page down, then carry the canvas to the right end with a click in the bar's trough.
      if (attempt == 0) h.key(ui::vk::kPageDown);
      if (attempt == 1) {
        const ui::ScrollBarGeometry g = start().scroll_bar("HScroll1").geometry();
        h.click("Pellomark", {g.line_forward.x - 3, g.line_forward.y + 2});
      }
      if (attempt == 2) h.key(ui::vk::kPageUp);
    }
    ADD_FAILURE() << name << " cannot be revealed";
    return {};
  }

  HeadlessHarness h{app::tessivar_application()};
};

// The same tiles at the common screen densities: every rule is in twips, so every tile is hit
// where it shows, and only there, at each of them.
class TilesAtDensity : public Tiles, public ::testing::WithParamInterface<int> {
 protected:
  int dpi() const override { return GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Densities, TilesAtDensity, ::testing::Values(96, 120, 144, 192));

TEST_P(TilesAtDensity, EveryLaunchingTileHandsItsExactCommandLineAndStyle) {
  std::set<std::string> lines;
  int joined = 0, literal = 0, ending_in_space = 0;
  std::vector<std::string> minimised;
  for (const auto& slot : tile_table()) {
    const auto* action = std::get_if<LaunchAction>(&slot.action);
    if (action == nullptr) continue;
    const std::size_t before = h.platform.launches().size();
    h.click("Pellomark", reveal(slot.name));
    ASSERT_EQ(h.platform.launches().size(), before + 1) << slot.name;
    const ui::LaunchRequest& r = h.platform.launches().back();
    lines.insert(r.command_line);
    (action->joins_control_panel ? joined : literal)++;
    if (r.command_line.ends_with(' ')) ++ending_in_space;
    if (r.window_style == ui::WindowStyle::Minimised) minimised.emplace_back(slot.name);
    if (slot.name == "Image17") {
      EXPECT_EQ(r.command_line, "C:\\WINDOWS\\system32\\calc.exe ");
      EXPECT_EQ(r.window_style, ui::WindowStyle::Normal);
    }
    if (slot.name == "Image23") {
      EXPECT_TRUE(r.command_line.ends_with("perfmon.exe  "));
    }
    if (slot.name == "Image19") {
      EXPECT_EQ(r.command_line, "C:\\Windows\\System32\\control.exe access.cpl");
    }
  }
  EXPECT_EQ(lines.size(), 47u);
  EXPECT_EQ(literal, 35);
  EXPECT_EQ(joined, 12);
  EXPECT_EQ(ending_in_space, 17);
  EXPECT_THAT(minimised, ::testing::UnorderedElementsAre("Image39", "Image49"));
  EXPECT_TRUE(h.platform.errors().empty());
}

TEST_P(TilesAtDensity, TheRightHalfOfAWideTileBelongsToIt) {
  // Canvas Left 3000, Top 1000: the canvas's children start at its inner corner.
  h.click("Pellomark", on_canvas(3000, 1000));
  ASSERT_EQ(h.platform.launches().size(), 1u);
  EXPECT_EQ(h.platform.launches()[0].command_line, "C:\\Windows\\System32\\control.exe desk.cpl");
}

TEST_P(TilesAtDensity, PicturesWithoutAnActionAndTheGapsLaunchNothingAndTwoClicksLaunchTwice) {
  for (std::string_view name : {"Image1", "Image10", "Label4", "Label5"}) {
    h.click("Pellomark", reveal(name));
  }
  h.click("Pellomark", on_canvas(1200, 2000));  // between two columns
  // The gap's last pixel before Calc's column (canvas twips 1320) launches nothing; the column's
  // first pixel is Calc's.
  const ui::Point calc_edge = on_canvas(1320, 2000);
  h.click("Pellomark", {calc_edge.x - 1, calc_edge.y});
  EXPECT_TRUE(h.platform.launches().empty());
  h.click("Pellomark", calc_edge);
  ASSERT_EQ(h.platform.launches().size(), 1u);
  EXPECT_EQ(h.platform.launches()[0].command_line, "C:\\WINDOWS\\system32\\calc.exe ");
  const ui::Point calc = reveal("Image17");
  h.click("Pellomark", calc);
  h.click("Pellomark", calc);
  EXPECT_EQ(h.platform.launches().size(), 3u);
}

TEST_F(Tiles, AFailedLaunchIsReportedAndChangesNothing) {
  h.platform.set_launches_fail(true);
  const ui::Point calc = reveal("Image17");
  const float top = start().picture_box("picPicture").top();
  h.click("Pellomark", calc);
  ASSERT_EQ(h.platform.errors().size(), 1u);
  EXPECT_EQ(h.platform.errors()[0].kind, ui::ErrorKind::Launch);
  EXPECT_EQ(start().picture_box("picPicture").top(), top);
  h.wait(300);
  EXPECT_TRUE(h.app.running());
  EXPECT_FALSE(start().label("Label4").caption().empty());
}

TEST_F(Tiles, TheAboutTileShowsOneAboutWindowThatOutlivesTheStartScreen) {
  const ui::Point about = reveal("Image33");
  h.click("Pellomark", about);
  h.platform.activate_by_user(h.window("Pellomark"));
  h.settle();
  h.click("Pellomark", about);
  int about_windows = 0;
  for (const auto& f : h.app.loaded_forms()) about_windows += f->name() == "frmAbout";
  EXPECT_EQ(about_windows, 1);
  EXPECT_EQ(h.platform.z_order().front(), h.window("frmAbout"));
  EXPECT_EQ(h.app.active_form()->name(), "frmAbout");

  // Closed and opened again: the described values.
  h.platform.request_close(h.window("frmAbout"));
  h.settle();
  EXPECT_EQ(h.app.active_form()->name(), "Pellomark");
  EXPECT_EQ(start().focused()->name(), "picPicture");
  h.click("Pellomark", about);
  EXPECT_EQ(h.form("frmAbout").label("Label1").caption(), "Tessivar");

  h.platform.request_close(h.window("Pellomark"));
  h.settle();
  EXPECT_TRUE(h.app.running());
  h.platform.request_close(h.window("frmAbout"));
  h.settle();
  EXPECT_FALSE(h.app.running());
}

}  // namespace
}  // namespace tessivar::testing
