// The monotonic clock made from the 32-bit tick count, across its wrap after 49.7 days.
#include "platform/win32/tick_clock.h"

#include <gtest/gtest.h>

namespace tessivar::win32 {
namespace {

TEST(TickClock, KeepsCountingAcrossTheWrap) {
  TickClock clock;
  EXPECT_EQ(clock.extend(0xFFFFFF00u), 0xFFFFFF00LL);
  EXPECT_EQ(clock.extend(0xFFFFFFFFu), 0xFFFFFFFFLL);
  EXPECT_EQ(clock.extend(0x10u), 0x100000010LL);
  EXPECT_EQ(clock.extend(0x20u), 0x100000020LL);
  EXPECT_EQ(clock.extend(0x5u), 0x200000005LL);  // and the next wrap
}

TEST(TickClock, SameReadingIsNoWrap) {
  TickClock clock;
  EXPECT_EQ(clock.extend(1000), 1000);
  EXPECT_EQ(clock.extend(1000), 1000);
}

}  // namespace
}  // namespace tessivar::win32
