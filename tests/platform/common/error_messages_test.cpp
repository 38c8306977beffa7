#include "platform/common/error_messages.h"

#include <gtest/gtest.h>

namespace tessivar::platform {
namespace {

TEST(ErrorMessages, OneWindowAtATimeAndLaterFailuresWaitBehindIt) {
  ErrorMessages messages;
  EXPECT_TRUE(messages.add("Cannot start \"calc.exe \": the program was not found."));
  EXPECT_EQ(messages.next_text(), "Cannot start \"calc.exe \": the program was not found.");
  // While the window is up, more failures wait; repeats are counted.
  EXPECT_FALSE(messages.add("Cannot start \"calc.exe \": the program was not found."));
  EXPECT_FALSE(messages.add("Cannot start \"calc.exe \": the program was not found."));
  EXPECT_FALSE(messages.add("Overflow"));
  // The user closes it: the next window shows what waited, in order.
  EXPECT_EQ(messages.next_text(),
            "Cannot start \"calc.exe \": the program was not found. (2 times)\n\nOverflow");
  // Closing that one with nothing waiting leaves no window up: the next failure opens one.
  EXPECT_EQ(messages.next_text(), std::nullopt);
  EXPECT_TRUE(messages.add("Overflow"));
  EXPECT_EQ(messages.next_text(), "Overflow");
}

TEST(ErrorMessages, AFloodOfDifferentMessagesShowsTheFirstAndCountsTheRest) {
  ErrorMessages messages;
  messages.add("first");
  messages.next_text();
  for (int i = 0; i < 10; ++i) messages.add("error " + std::to_string(i));
  const std::string text = *messages.next_text();
  EXPECT_EQ(text.find("error 0"), 0u);
  EXPECT_NE(text.find("error 7"), std::string::npos);
  EXPECT_EQ(text.find("error 8"), std::string::npos);
  EXPECT_TRUE(text.ends_with("\n\nand 2 more")) << text;
}

}  // namespace
}  // namespace tessivar::platform
