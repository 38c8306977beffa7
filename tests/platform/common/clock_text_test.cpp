// The clock texts follow the C library's locale, and the plain C locale gets the formats the
// windows were made for.
#include "platform/common/clock_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale.h>

namespace tessivar::platform {
namespace {

std::tm afternoon() { return local_date_time(2013, 8, 8, 15, 7, 42); }

// Runs `check` with the thread's locale set to `name`; skips when the machine lacks it.
template <typename Check>
void in_locale(const char* name, Check check) {
  locale_t locale = newlocale(LC_ALL_MASK, name, nullptr);
  if (locale == nullptr) GTEST_SKIP() << name << " is not installed";
  const locale_t previous = uselocale(locale);
  check();
  uselocale(previous);
  freelocale(locale);
}

TEST(ClockText, PlainCLocaleGetsTheFormatsTheWindowsWereMadeFor) {
  in_locale("C", [] {
    EXPECT_EQ(long_time_text(afternoon()), "3:07:42 PM");
    EXPECT_EQ(short_date_text(afternoon()), "8/8/2013");
    EXPECT_EQ(long_time_text(local_date_time(2013, 8, 8, 0, 7, 42)), "12:07:42 AM");
  });
}

TEST(ClockText, UnitedStatesEnglishUsesTwelveHoursWithItsDesignators) {
  in_locale("en_US.UTF-8", [] {
    EXPECT_EQ(long_time_text(afternoon()), "03:07:42 PM");
    EXPECT_EQ(short_date_text(afternoon()), "08/08/2013");
  });
}

TEST(ClockText, GermanUsesTwentyFourHoursAndDayFirst) {
  in_locale("de_DE.UTF-8", [] {
    EXPECT_EQ(long_time_text(afternoon()), "15:07:42");
    EXPECT_EQ(short_date_text(afternoon()), "08.08.2013");
  });
}

}  // namespace
}  // namespace tessivar::platform
