// The time of day in the user's long time format and the date in the short date format, from
// the C library's locale: its time format (%X, without a time zone) and its date format (%x), as
// they stand. The plain C locale has no regional settings; it gets the formats the windows were
// made for (3:07:42 PM, 8/8/2013).
#pragma once

#include <ctime>
#include <string>

namespace tessivar::platform {

// A broken-down local date and time; month 1 to 12.
std::tm local_date_time(int year, int month, int day, int hour, int minute, int second);

std::string long_time_text(const std::tm& local_time);
std::string short_date_text(const std::tm& local_time);

}  // namespace tessivar::platform
