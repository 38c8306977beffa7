// Where a window is first placed, and the startup notification's "remove" message.
#include <gtest/gtest.h>

#include <string>

#include "platform/x11/monitor_placement.h"
#include "platform/x11/startup_notification.h"

namespace tessivar::x11 {
namespace {

TEST(Placement, TheWholeFrameIsCentredAndKeptInTheWorkAreaWithItsTitleBarReachable) {
  const ui::Rect screen{0, 0, 1280, 800};
  const FrameExtents openbox{1, 1, 22, 5};  // a title bar on top, thin borders
  const struct {
    const char* what;
    ui::Rect monitor, work_area;
    ui::Size client;
    FrameExtents frame;
    ui::Point client_at;
  } cases[] = {
      {"no frame: the client centred", screen, screen, {1016, 647}, {}, {132, 76}},
      // Frame 1018 x 674: its corner at (131, 63), the client one border and a title bar in.
      {"a frame: the frame centred", screen, screen, {1016, 647}, openbox, {132, 85}},
      {"a panel at the top pushes it down", screen, {0, 40, 1280, 760}, {1016, 700}, openbox,
       {132, 62}},
      // 1024 x 600 with a 24-pixel panel: the frame is taller than the work area, so its top
      // (the title bar) goes to the work area's top; across, it fits and is centred.
      {"taller than the work area", {0, 0, 1024, 600}, {0, 24, 1024, 576}, {1016, 647}, openbox,
       {4, 46}},
      {"wider and taller than the monitor", {0, 0, 800, 600}, {0, 0, 800, 600}, {1016, 647},
       openbox, {1, 22}},
      {"on the second monitor", {1280, 0, 1920, 1080}, {1280, 0, 1920, 1080}, {1016, 647}, openbox,
       {1280 + 451 + 1, 203 + 22}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(client_position_for(c.monitor, c.work_area, c.client, c.frame), c.client_at)
        << c.what;
  }
}

TEST(StartupNotification, TheRemoveMessageQuotesTheIdAndTravelsInPiecesOfTwentyWithItsNul) {
  EXPECT_EQ(startup_remove_message("launcher-42_TIME1234"), R"(remove: ID="launcher-42_TIME1234")");
  EXPECT_EQ(startup_remove_message(R"(a "b" \c)"), R"(remove: ID="a \"b\" \\c")");

  const std::string message = startup_remove_message("launcher-42_TIME1234");  // 33 bytes
  const auto pieces = startup_message_pieces(message);
  ASSERT_EQ(pieces.size(), 2u);
  std::string joined;
  for (const auto& piece : pieces) joined.append(piece.data(), piece.size());
  EXPECT_EQ(joined.substr(0, message.size()), message);
  EXPECT_EQ(joined[message.size()], '\0');
  // A message of exactly twenty bytes needs a piece of its own for the NUL.
  EXPECT_EQ(startup_message_pieces(std::string(20, 'x')).size(), 2u);
  EXPECT_EQ(startup_message_pieces(std::string(19, 'x')).size(), 1u);
}

TEST(StartupNotification, TheIdLeavesTheEnvironmentSoThatStartedProgramsDoNotInheritIt) {
  setenv("DESKTOP_STARTUP_ID", "launcher-42_TIME1234", 1);
  EXPECT_EQ(take_startup_id(), "launcher-42_TIME1234");
  EXPECT_EQ(std::getenv("DESKTOP_STARTUP_ID"), nullptr);
  EXPECT_EQ(take_startup_id(), std::nullopt);
  setenv("DESKTOP_STARTUP_ID", "", 1);
  EXPECT_EQ(take_startup_id(), std::nullopt);
}

}  // namespace
}  // namespace tessivar::x11
