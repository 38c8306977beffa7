#include "platform/common/clock_text.h"

#include <langinfo.h>

#include <cstring>

namespace tessivar::platform {
namespace {

bool plain_c_locale() {
  // The C and POSIX locales name their date format "%m/%d/%y" and have no regional settings.
  const char* codeset_date = nl_langinfo(D_FMT);
  return codeset_date == nullptr || std::strcmp(codeset_date, "%m/%d/%y") == 0;
}

std::string format(const char* pattern, const std::tm& t) {
  char buffer[128];
  const std::size_t n = std::strftime(buffer, sizeof buffer, pattern, &t);
  return std::string(buffer, n);
}

}  // namespace

std::tm local_date_time(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

std::string long_time_text(const std::tm& local_time) {
  if (plain_c_locale()) return format("%-I:%M:%S %p", local_time);
  // A locale with AM and PM words writes the twelve-hour form (%r), others the 24-hour form.
  const char* am = nl_langinfo(AM_STR);
  const char* pattern = (am != nullptr && *am != '\0') ? nl_langinfo(T_FMT_AMPM) : nl_langinfo(T_FMT);
  if (pattern == nullptr || *pattern == '\0') pattern = "%H:%M:%S";
  return format(pattern, local_time);
}

std::string short_date_text(const std::tm& local_time) {
  if (plain_c_locale()) return format("%-m/%-d/%Y", local_time);
  const char* pattern = nl_langinfo(D_FMT);
  return format(pattern, local_time);
}

}  // namespace tessivar::platform
