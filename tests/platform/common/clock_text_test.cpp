// The clock texts follow the C library's locale, and the plain C locale gets the formats the
// windows were made for.
#include "platform/common/clock_text.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <clocale>

namespace tessivar::platform {
namespace {

std::tm afternoon() {
  return local_date_time(2013, 8, 8, 15, 7, 42);
}

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

// Each locale's own formats, as they stand: twelve hours only where the locale's time format
// has them, and never a time zone.
struct LocaleCase {
  const char* locale;
  const char* time;
  const char* date;
};

TEST(ClockText, EachLocaleUsesItsOwnTimeAndDateFormats) {
  const LocaleCase cases[] = {
      {"en_US.UTF-8", "03:07:42 PM", "08/08/2013"},
      {"en_GB.UTF-8", "15:07:42", "08/08/13"},
      {"de_DE.UTF-8", "15:07:42", "08.08.2013"},
      {"ja_JP.UTF-8", "15\u664207\u520642\u79d2", "2013\u5e7408\u670808\u65e5"},
      // Its time format names the time zone, which the clock leaves out.
      {"ar_EG.UTF-8", "03:07:42 \u0645", nullptr},
  };
  for (const LocaleCase& c : cases) {
    in_locale(c.locale, [&] {
      EXPECT_EQ(long_time_text(afternoon()), c.time) << c.locale;
      if (c.date) {
        EXPECT_EQ(short_date_text(afternoon()), c.date) << c.locale;
      }
    });
  }
}

}  // namespace
}  // namespace tessivar::platform
