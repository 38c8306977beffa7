// The engine's rules, driven through the headless backend with the probe windows.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "support/headless_harness.h"
#include "ui/hit_test.h"
#include "ui/probe_forms.h"
#include "ui/virtual_keys.h"

namespace tessivar::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    probe_log().clear();
    probe_behaviour() = {};
    h.start();
    probe_log().clear();
  }
  ui::Form& a() { return h.form("frmA"); }

  HeadlessHarness h{probe_application()};
};

TEST_F(EngineTest, ShowLoadsThenActivates) {
  HeadlessHarness fresh{probe_application()};
  probe_log().clear();
  fresh.start();
  EXPECT_THAT(probe_log(), ElementsAre("frmA Load", "frmA Activate"));
  EXPECT_THAT(fresh.log.lines, ElementsAre("load frmA", "activate frmA"));
}

TEST_F(EngineTest, MisspeltBindingFailsWhenTheWindowLoads) {
  HeadlessHarness broken{misbound_application()};
  broken.start();
  ASSERT_EQ(broken.platform.errors().size(), 1u);
  EXPECT_NE(broken.platform.errors()[0].message.find("imgUnderr"), std::string::npos);
  EXPECT_FALSE(broken.app.running());
}

TEST_F(EngineTest, ControlWhollyOutsideItsContainerIsNeitherDrawnNorClickedYetLives) {
  ui::ScrollBar& outside = a().scroll_bar("hsOutside");
  EXPECT_TRUE(outside.visible_rect().empty());
  // Nothing at the place it would be, had the box not clipped it.
  const ui::Rect would_be = outside.outer_rect();
  EXPECT_NE(ui::control_at(a(), {would_be.x + 1, would_be.y + 1}), &outside);
  // Its handlers run when code changes its Value, and Tab still reaches it.
  outside.set_max(10);
  outside.set_value(7);
  EXPECT_THAT(probe_log(), ElementsAre("hsOutside Change 7"));
  EXPECT_EQ(a().focused()->name(), "picBox");
  h.key(ui::vk::kTab);
  EXPECT_EQ(a().focused()->name(), "hsOutside");
  h.key(ui::vk::kRight);  // the focused bar takes the arrow keys
  EXPECT_EQ(outside.value(), 8);
}

TEST_F(EngineTest, TabOrderWrapsBothWays) {
  std::vector<std::string> seen;
  for (int i = 0; i < 5; ++i) {
    seen.emplace_back(a().focused()->name());
    h.key(ui::vk::kTab);
  }
  EXPECT_THAT(seen, ElementsAre("picBox", "hsOutside", "hsA", "hsB", "picBox"));
  h.key(ui::vk::kTab, ui::kShiftMask);
  EXPECT_EQ(a().focused()->name(), "picBox");
  h.key(ui::vk::kTab, ui::kShiftMask);
  EXPECT_EQ(a().focused()->name(), "hsB");
}

TEST_F(EngineTest, ZeroHeightFrameHidesItsChildrenWhileItsTimerTicks) {
  ui::Image& hidden = a().image("imgHidden");
  EXPECT_TRUE(hidden.visible_rect().empty());
  const ui::Rect r = hidden.outer_rect();
  h.click("frmA", {r.x + 1, r.y + 1});
  h.wait(250);
  EXPECT_THAT(probe_log(), ElementsAre("tmrHidden Timer 100", "tmrHidden Timer 200"));
}

TEST_F(EngineTest, TimersTickOneIntervalAfterLoadNeverWithIntervalZeroAndNotAfterDisabling) {
  h.wait(99);
  EXPECT_THAT(probe_log(), IsEmpty());
  h.wait(1);
  EXPECT_THAT(probe_log(), ElementsAre("tmrHidden Timer 100"));
  a().timer("tmrHidden").set_enabled(false);
  h.wait(1000);
  EXPECT_THAT(probe_log(), ElementsAre("tmrHidden Timer 100"));  // and tmrZero never
}

TEST_F(EngineTest, ALateTickComesOnceAndTheBeatGoesOn) {
  // 350 ms go by while the application is busy: one tick then, not three, and the next on the
  // timer's own beat.
  h.platform.spend(350);
  h.settle();
  h.wait(100);
  EXPECT_THAT(probe_log(), ElementsAre("tmrHidden Timer 350", "tmrHidden Timer 400"));
}

TEST_F(EngineTest, TransparentLabelInFrontOfAnImageTakesTheClickAtItsText) {
  EXPECT_EQ(ui::control_at(a(), {5, 5}), &a().label("lblOver"));
  EXPECT_EQ(ui::control_at(a(), {60, 60}), &a().image("imgUnder"));
  h.click("frmA", {60, 60});
  h.click("frmA", {5, 5});  // on the label: no Click for the image
  EXPECT_THAT(probe_log(), ElementsAre("imgUnder Click"));
}

TEST_F(EngineTest, ClickNeedsPressAndReleaseOverTheSameControl) {
  const ui::WindowHandle w = h.window("frmA");
  h.platform.press(w, {60, 60});
  h.platform.release(w, {150, 50});
  h.settle();
  h.platform.press(w, {150, 50});
  h.platform.release(w, {60, 60});
  h.settle();
  EXPECT_THAT(probe_log(), IsEmpty());
  const ui::Rect in_box = a().image("imgInBox").outer_rect();
  h.click("frmA", {in_box.x, in_box.y});
  EXPECT_THAT(probe_log(), ElementsAre("imgInBox Click"));
}

TEST_F(EngineTest, ValueAssignmentRunsChangeBeforeReturningOnlyWhenItChanges) {
  probe_behaviour().hs_a_change_moves_hs_b = true;
  ui::ScrollBar& bar = a().scroll_bar("hsA");
  bar.set_value(5);
  bar.set_value(5);
  EXPECT_THAT(probe_log(), ElementsAre("hsA Change 5", "hsB Change 5", "hsA Change done"));
  EXPECT_THROW(bar.set_value(-1), ui::InvalidPropertyValueError);
  EXPECT_EQ(bar.value(), 5);
}

TEST_F(EngineTest, MaxBelowMinMakesARangeFromMaxToMin) {
  ui::ScrollBar& bar = a().scroll_bar("hsB");
  bar.set_max(-50);  // Value 0 still lies in -50..0
  EXPECT_EQ(bar.value(), 0);
  bar.set_value(-50);
  EXPECT_THROW(bar.set_value(1), ui::InvalidPropertyValueError);
  bar.step_by(1);  // towards Max
  EXPECT_EQ(bar.value(), -50);
}

TEST_F(EngineTest, ScrollBarArrowsTroughRepeatAndThumbDrag) {
  ui::ScrollBar& bar = a().scroll_bar("hsA");
  bar.set_max(1000);
  bar.set_small_change(10);
  bar.set_large_change(300);
  probe_log().clear();
  const ui::ScrollBarGeometry g = bar.geometry();
  const auto middle = [](ui::Rect r) { return ui::Point{r.x + r.width / 2, r.y + r.height / 2}; };

  h.click("frmA", middle(g.line_forward));
  EXPECT_EQ(bar.value(), 10);
  h.click("frmA", {g.line_forward.x - 2, g.line_forward.y + 2});  // trough, right of the thumb
  EXPECT_EQ(bar.value(), 310);

  // Holding an arrow repeats after the first delay.
  h.platform.press(h.window("frmA"), middle(g.line_back));
  h.settle();
  EXPECT_EQ(bar.value(), 300);
  h.wait(199);
  EXPECT_EQ(bar.value(), 300);
  h.wait(1 + 50 * 3);
  EXPECT_EQ(bar.value(), 260);
  h.platform.release(h.window("frmA"), middle(g.line_back));
  h.wait(500);
  EXPECT_EQ(bar.value(), 260);

  // The thumb moves with the pointer; Value changes once, on release.
  probe_log().clear();
  const ui::Point grab = middle(bar.geometry().thumb);
  h.platform.press(h.window("frmA"), grab);
  h.platform.move_pointer(h.window("frmA"), {grab.x + 30, grab.y});
  h.platform.move_pointer(h.window("frmA"), {grab.x + 60, grab.y});
  h.settle();
  EXPECT_THAT(probe_log(), IsEmpty());
  h.platform.release(h.window("frmA"), {grab.x + 60, grab.y});
  h.settle();
  ASSERT_EQ(probe_log().size(), 1u);
  EXPECT_GT(bar.value(), 260);
}

TEST_F(EngineTest, LosingTheMouseEndsAPressWithoutAStepAChangeOrAClick) {
  ui::ScrollBar& bar = a().scroll_bar("hsA");
  bar.set_max(1000);
  bar.set_small_change(10);
  probe_log().clear();
  const auto middle = [](ui::Rect r) { return ui::Point{r.x + r.width / 2, r.y + r.height / 2}; };

  // A dragged thumb goes back to Value's place, and its release changes nothing.
  const ui::Point grab = middle(bar.geometry().thumb);
  h.platform.press(h.window("frmA"), grab);
  h.platform.move_pointer(h.window("frmA"), {grab.x + 60, grab.y});
  h.platform.lose_capture(h.window("frmA"));
  h.platform.release(h.window("frmA"), {grab.x + 60, grab.y});
  h.settle();
  EXPECT_EQ(bar.value(), 0);
  EXPECT_EQ(bar.look().dragged_thumb_start, std::nullopt);
  EXPECT_THAT(probe_log(), IsEmpty());

  // A held arrow stops repeating.
  h.platform.press(h.window("frmA"), middle(bar.geometry().line_forward));
  h.wait(260);
  h.platform.lose_capture(h.window("frmA"));
  h.wait(1000);
  EXPECT_EQ(bar.value(), 30);  // the first step and the repeats at 200 and 250 ms

  // A press on a picture whose release comes after the loss clicks nothing.
  probe_log().clear();
  h.platform.press(h.window("frmA"), {60, 60});  // imgUnder
  h.platform.lose_capture(h.window("frmA"));
  h.platform.release(h.window("frmA"), {60, 60});
  h.settle();
  EXPECT_THAT(probe_log(), IsEmpty());
}

TEST_F(EngineTest, ActivateOnlyWhenTheApplicationsActiveWindowChanges) {
  h.app.show("frmB");
  h.settle();
  EXPECT_THAT(probe_log(), ElementsAre("frmB Load", "frmB Activate"));
  probe_log().clear();
  h.platform.activate_by_user(h.window("frmA"));
  h.settle();
  h.platform.switch_away();
  h.platform.switch_back();
  h.settle();
  EXPECT_THAT(probe_log(), ElementsAre("frmA Activate"));
  // Closing the second window returns the user to the first: Activate.
  h.platform.activate_by_user(h.window("frmB"));
  h.settle();
  probe_log().clear();
  h.platform.request_close(h.window("frmB"));
  h.settle();
  EXPECT_THAT(probe_log(), ElementsAre("frmA Activate"));
}

TEST_F(EngineTest, ReloadedWindowShowsItsDescribedValues) {
  h.app.show("frmB");
  a().label("lblOver").set_caption("changed");
  a().scroll_bar("hsB").set_value(9);
  h.app.unload("frmA");
  // Setting a property of a window that is not loaded changes nothing and does not load it.
  EXPECT_EQ(h.app.loaded_form("frmA"), nullptr);
  h.app.show("frmA");
  EXPECT_EQ(a().label("lblOver").caption(), "over");
  EXPECT_EQ(a().scroll_bar("hsB").value(), 0);
}

TEST_F(EngineTest, ErrorInAHandlerKeepsEarlierChangesAndTheApplicationGoesOn) {
  probe_behaviour().image_click_fails_midway = true;
  h.click("frmA", {60, 60});
  EXPECT_EQ(a().label("lblOver").caption(), "changed");
  ASSERT_EQ(h.platform.errors().size(), 1u);
  EXPECT_EQ(h.platform.errors()[0].kind, ui::ErrorKind::Overflow);
  h.wait(100);
  EXPECT_TRUE(h.app.running());
  EXPECT_THAT(probe_log(), ElementsAre("imgUnder Click", "tmrHidden Timer 100"));
}

TEST_F(EngineTest, KeysGoToTheFocusedControlAndCharactersToKeyPress) {
  h.key(ui::vk::kPageDown, ui::kShiftMask);
  h.platform.key_down(ui::vk::kPageDown, 0, /*repeat=*/true);
  h.settle();
  h.key('Q', 0, U'q');
  EXPECT_THAT(probe_log(), ElementsAre("picBox KeyDown 34 1", "picBox KeyDown 34 0",
                                       "picBox KeyDown 81 0"));
  // frmA does not preview keys, so its own KeyPress hears nothing while a control has the focus.
}

TEST_F(EngineTest, UnloadingTheLastWindowEndsTheApplication) {
  h.app.show("frmB");
  h.platform.request_close(h.window("frmA"));
  h.settle();
  EXPECT_TRUE(h.app.running());
  h.platform.request_close(h.window("frmB"));
  h.settle();
  EXPECT_FALSE(h.app.running());
  EXPECT_EQ(h.log.lines.back(), "end");
}

}  // namespace
}  // namespace tessivar::testing
