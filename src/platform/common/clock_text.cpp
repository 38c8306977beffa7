#include "platform/common/clock_text.h"

#include <langinfo.h>

#include <cstring>
#include <string_view>

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

// The clock shows the time of day alone: a format that names the time zone (some Arabic locales
// do) loses that part and the space beside it.
std::string without_time_zone(std::string_view pattern) {
  std::string kept;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool zone = pattern[i] == '%' && i + 1 < pattern.size() &&
                      (pattern[i + 1] == 'Z' || pattern[i + 1] == 'z');
    if (!zone) {
      kept += pattern[i];
      if (pattern[i] == '%' && i + 1 < pattern.size()) kept += pattern[++i];
      continue;
    }
    ++i;
    if (!kept.empty() && kept.back() == ' ') {
      kept.pop_back();
    } else if (i + 1 < pattern.size() && pattern[i + 1] == ' ') {
      ++i;
    }
  }
  return kept;
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

// The locale's own formats as they stand: its time format (%X) and its date format (%x).
std::string long_time_text(const std::tm& local_time) {
  if (plain_c_locale()) return format("%-I:%M:%S %p", local_time);
  const std::string pattern = without_time_zone(nl_langinfo(T_FMT));
  return format(pattern.empty() ? "%H:%M:%S" : pattern.c_str(), local_time);
}

std::string short_date_text(const std::tm& local_time) {
  if (plain_c_locale()) return format("%-m/%-d/%Y", local_time);
  return format(nl_langinfo(D_FMT), local_time);
}

}  // namespace tessivar::platform
