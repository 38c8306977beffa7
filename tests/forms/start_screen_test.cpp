// The start screen: loading, paging, sideways scrolling, focus and the clock.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "app/application_description.h"
#include "forms/about/about_form.h"
#include "forms/splash/splash_form.h"
#include "forms/start/start_form.h"
#include "forms/start/start_handlers.h"
#include "platform/common/clock_text.h"
#include "support/headless_harness.h"
#include "support/reference_image.h"
#include "ui/virtual_keys.h"

namespace tessivar::testing {
namespace {

using forms::start::StartFormVariant;

// The start screen alone, as the start-up window, from a variant of its description.
struct StartScreenApp {
  explicit StartScreenApp(const StartFormVariant& variant)
      : forms{forms::start::start_form_variant(variant), forms::about::about_form()},
        spec{.title = "Tessivar 1.0", .version = {1, 0, 0}, .forms = forms,
             .startup_form = "Pellomark"} {}
  std::array<ui::FormModule, 2> forms;
  ui::ApplicationSpec spec;
};

class StartScreen : public ::testing::Test {
 protected:
  explicit StartScreen(const StartFormVariant& variant = {}) : app_(variant), h(app_.spec) {}
  void SetUp() override {
    h.platform.set_screen_dpi(dpi());
    h.start();
  }
  virtual int dpi() const { return ui::kStandardDpi; }

  ui::Form& start() { return h.form("Pellomark"); }
  float top() { return start().picture_box("picPicture").top(); }
  float left() { return start().picture_box("picPicture").left(); }
  int value() { return start().scroll_bar("VScroll1").value(); }
  int changes() { return h.log.ran("Pellomark.VScroll1_Change"); }

  StartScreenApp app_;
  HeadlessHarness h;
};

TEST_F(StartScreen, LoadFitsTheBarsAndLeavesTheCanvasWhereItIsDescribed) {
  ui::Form& f = start();
  const ui::ScrollBar& across = f.scroll_bar("HScroll1");
  const ui::ScrollBar& down = f.scroll_bar("VScroll1");
  EXPECT_EQ(down.height(), 6015);
  EXPECT_EQ(across.width(), 12615);
  EXPECT_EQ(down.max(), 1680);
  EXPECT_EQ(across.max(), 3000);
  EXPECT_EQ(down.small_change(), 100);
  EXPECT_EQ(across.small_change(), 100);
  EXPECT_EQ(down.large_change(), 6015);
  EXPECT_EQ(across.large_change(), 12615);
  EXPECT_EQ(left(), 0);
  EXPECT_EQ(top(), -600);
  EXPECT_FALSE(f.label("lblNoPicture").visible());
  EXPECT_EQ(h.log.ran("Pellomark.HScroll1_Change") + changes(), 0);
  EXPECT_EQ(f.focused()->name(), "picPicture");
}

// Paging and scrolling are rules in twips: at every density they move the canvas alike.
class StartScreenAtDensity : public StartScreen, public ::testing::WithParamInterface<int> {
 protected:
  int dpi() const override { return GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Densities, StartScreenAtDensity, ::testing::Values(96, 144, 192));

TEST_P(StartScreenAtDensity, PagingFollowsTheTableRowByRow) {
  struct Row {
    std::int16_t key;
    float top_after;
    int value_after;
    int change_runs;
  };
  // Page Up, Page Down, Page Down, Page Up, Page Up from a freshly loaded window.
  const Row rows[] = {{ui::vk::kPageUp, -600, 0, 0},
                      {ui::vk::kPageDown, -1680, 1680, 1},
                      {ui::vk::kPageDown, -1680, 1680, 0},
                      {ui::vk::kPageUp, 0, 0, 1},
                      {ui::vk::kPageUp, 0, 0, 0}};
  for (const Row& row : rows) {
    const int before = changes();
    h.key(row.key);
    EXPECT_EQ(top(), row.top_after);
    EXPECT_EQ(value(), row.value_after);
    EXPECT_EQ(changes() - before, row.change_runs);
  }
}

TEST_F(StartScreen, OtherKeysDoNotPageModifiersDoNotMatterAndRepeatsPageAgain) {
  for (const std::int16_t key : {ui::vk::kDown, ui::vk::kUp, ui::vk::kHome, ui::vk::kEnd,
                                 ui::vk::kRight, std::int16_t{'A'}}) {
    h.key(key);
  }
  EXPECT_EQ(top(), -600);
  h.key(ui::vk::kPageDown, ui::kShiftMask | ui::kCtrlMask);
  EXPECT_EQ(top(), -1680);
  h.platform.key_down(ui::vk::kPageUp, 0);
  h.platform.key_down(ui::vk::kPageUp, 0, /*repeat=*/true);
  h.settle();
  EXPECT_EQ(top(), 0);
  EXPECT_EQ(h.log.ran("Pellomark.picPicture_KeyDown"), 9);
}

TEST_P(StartScreenAtDensity, SidewaysTheCanvasFollowsTheBarArrowsTroughAndThumbOnRelease) {
  const ui::ScrollBar& bar = start().scroll_bar("HScroll1");
  const ui::ScrollBarGeometry g = bar.geometry();
  const ui::Point right_arrow{g.line_forward.x + 4, g.line_forward.y + 4};
  h.click("Pellomark", right_arrow);
  EXPECT_EQ(left(), -100);
  h.click("Pellomark", {g.line_forward.x - 20, g.line_forward.y + 4});  // trough, right
  EXPECT_EQ(left(), -3000);
  h.click("Pellomark", {g.line_back.right() + 20, g.line_back.y + 4});  // trough, left
  EXPECT_EQ(left(), 0);

  const ui::Rect thumb = bar.geometry().thumb;
  const ui::Point grab{thumb.x + 3, thumb.y + 4};
  h.platform.press(h.window("Pellomark"), grab);
  h.platform.move_pointer(h.window("Pellomark"), {grab.x + 400, grab.y});
  h.settle();
  EXPECT_EQ(left(), 0);  // nothing moves while the thumb is dragged
  h.platform.release(h.window("Pellomark"), {grab.x + 400, grab.y});
  h.settle();
  EXPECT_LT(left(), 0);
  EXPECT_EQ(left(), -static_cast<float>(bar.value()));
}

TEST_F(StartScreen, FocusReturnsToTheCanvasAtEveryActivation) {
  h.key(ui::vk::kTab);
  EXPECT_EQ(start().focused()->name(), "VScroll1");
  h.key(ui::vk::kDown);  // VScroll1's own arrow keys scroll the canvas down
  EXPECT_EQ(value(), 100);
  EXPECT_EQ(top(), -100);
  h.key(ui::vk::kPageDown);  // and Page Down no longer reaches the canvas's handler
  EXPECT_EQ(h.log.ran("Pellomark.picPicture_KeyDown"), 0);

  h.app.show("frmAbout");
  h.settle();
  h.platform.request_close(h.window("frmAbout"));
  h.settle();
  EXPECT_EQ(start().focused()->name(), "picPicture");
}

TEST_F(StartScreen, ClockLabelsAreEmptyUntilTheFirstTickThenSetAtEveryTick) {
  EXPECT_EQ(start().label("Label4").caption(), "");
  EXPECT_EQ(start().label("Label5").caption(), "");
  h.wait(100);
  EXPECT_EQ(start().label("Label4").caption(), "3:07:42 PM");
  EXPECT_EQ(start().label("Label5").caption(), "8/8/2013");
  h.wait(1000);
  EXPECT_EQ(start().label("Label4").caption(), "3:07:43 PM");
  EXPECT_EQ(h.log.ran("Pellomark.Timer1_Timer"), 11);
}

TEST_F(StartScreen, AtMidnightTheOldDaysTimeMayStandBesideTheNewDate) {
  h.platform.set_local_time(platform::local_date_time(2013, 8, 8, 23, 59, 59));
  // The clock moves on between the two readings of one tick: the time is read first.
  h.platform.set_local_time_step_per_reading(950);
  h.wait(100);
  EXPECT_EQ(start().label("Label4").caption(), "11:59:59 PM");
  EXPECT_EQ(start().label("Label5").caption(), "8/9/2013");
  // From the next tick on both belong to the new day; the old date never stands beside a time
  // of the new day.
  for (int tick = 0; tick < 5; ++tick) {
    h.wait(100);
    EXPECT_TRUE(start().label("Label4").caption().starts_with("12:00:")) << tick;
    EXPECT_EQ(start().label("Label5").caption(), "8/9/2013");
  }
}

TEST_F(StartScreen, ClockLabelsAreClippedWithTheCanvas) {
  const ui::ScrollBarGeometry g = start().scroll_bar("HScroll1").geometry();
  h.click("Pellomark", {g.line_forward.x - 20, g.line_forward.y + 4});
  const ui::Rect viewport = start().picture_box("picWindow").client_rect();
  const ui::Rect clock = start().label("Label4").visible_rect();
  EXPECT_TRUE(clock.empty() || viewport.intersect(clock) == clock);
  h.wait(100);
  EXPECT_FALSE(start().label("Label4").caption().empty());
}

TEST_F(StartScreen, ErrorsStopLoadingAtTheFailingStepAndKeepWhatWentBefore) {
  ui::Form& f = start();
  ui::PictureBox& viewport = f.picture_box("picWindow");
  ui::PictureBox& canvas = f.picture_box("picPicture");
  ui::ScrollBar& down = f.scroll_bar("VScroll1");

  // A viewport taller than 32767 twips: steps 1 to 6 done, step 7 overflows.
  viewport.set_height(40000);
  EXPECT_THROW(forms::start::Form_Load(f), ui::OverflowError);
  EXPECT_EQ(down.height(), 40000);
  EXPECT_EQ(down.max(), 7695 - 40000);
  EXPECT_EQ(down.large_change(), 6015);  // from the first load: step 7 never finished

  // Paging reads the page before the key: any key overflows now.
  EXPECT_THROW(forms::start::CheckKeyCode(f, ui::vk::kLeft), ui::OverflowError);

  // Infinity minus infinity: the floating-point error at step 3, after steps 1 and 2.
  const float inf = std::numeric_limits<float>::infinity();
  viewport.set_height(inf);
  canvas.set_height(inf);
  EXPECT_THROW(forms::start::Form_Load(f), ui::FloatingPointError);
  EXPECT_EQ(down.height(), inf);
  // A canvas of infinite height less a finite viewport: no fault flag, the conversion overflows.
  viewport.set_height(6015);
  EXPECT_THROW(forms::start::Form_Load(f), ui::OverflowError);
}

TEST_F(StartScreen, LooksAsDescribedAtLoadAfterPageDownAndScrolledRight) {
  h.wait(100);  // the clock's first tick
  expect_matches_reference(h.platform.surface(h.window("Pellomark")), "start-screen-at-load");
  h.key(ui::vk::kPageDown);
  expect_matches_reference(h.platform.surface(h.window("Pellomark")), "start-screen-page-down");
  const ui::ScrollBarGeometry g = start().scroll_bar("HScroll1").geometry();
  h.click("Pellomark", {g.line_forward.x - 20, g.line_forward.y + 4});
  expect_matches_reference(h.platform.surface(h.window("Pellomark")), "start-screen-scrolled-right");
}

class SteppedCanvas : public StartScreen {
 protected:
  SteppedCanvas() : StartScreen(StartFormVariant{.canvas_height = 6015 + 10000}) {}
};

TEST_F(SteppedCanvas, ACanvasMoreThanAPageTallerPagesInSteps) {
  ASSERT_EQ(start().scroll_bar("VScroll1").max(), 10000);
  start().picture_box("picPicture").set_top(0);
  const std::pair<std::int16_t, int> steps[] = {{ui::vk::kPageDown, 6015},
                                                {ui::vk::kPageDown, 10000},
                                                {ui::vk::kPageUp, 3985},
                                                {ui::vk::kPageUp, 0}};
  for (const auto& [key, expected] : steps) {
    h.key(key);
    EXPECT_EQ(value(), expected);
    EXPECT_EQ(top(), -expected);
  }
}

class ExactCanvas : public StartScreen {
 protected:
  ExactCanvas() : StartScreen(StartFormVariant{.canvas_height = 6015}) {}
};

TEST_F(ExactCanvas, PageDownSetsTopToZeroDirectlyWithoutChange) {
  h.key(ui::vk::kPageDown);
  EXPECT_EQ(top(), 0);
  EXPECT_EQ(value(), 0);
  EXPECT_EQ(changes(), 0);
  h.key(ui::vk::kPageUp);
  EXPECT_EQ(top(), 0);
}

class ShortCanvas : public StartScreen {
 protected:
  ShortCanvas() : StartScreen(StartFormVariant{.canvas_height = 5000}) {}
};

TEST_F(ShortCanvas, PageDownMovesTheCanvasDownAndPageUpLeavesItThere) {
  EXPECT_EQ(start().scroll_bar("VScroll1").max(), -1015);
  h.key(ui::vk::kPageDown);
  EXPECT_EQ(top(), 1015);
  EXPECT_EQ(value(), 0);
  h.key(ui::vk::kPageUp);
  EXPECT_EQ(top(), 1015);
  EXPECT_EQ(changes(), 0);
}

class CanvasWithoutPicture : public StartScreen {
 protected:
  CanvasWithoutPicture() : StartScreen(StartFormVariant{.canvas_has_picture = false}) {}
};

TEST_F(CanvasWithoutPicture, ShowsTheNoticeWhichThePictureBoxStillCovers) {
  const ui::Label& notice = start().label("lblNoPicture");
  EXPECT_TRUE(notice.visible());
  EXPECT_EQ(notice.caption(),
            "Change picPicture's Picture property to refer to the location of winnt.bmp (or any "
            "large picture)");
  h.key(ui::vk::kPageDown);
  EXPECT_EQ(top(), -1680);
}

}  // namespace
}  // namespace tessivar::testing
