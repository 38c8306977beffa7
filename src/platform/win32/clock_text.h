// The time of day in the user's long time format and today's date in the short date format,
// both by the user's regional settings.
#pragma once

#include <string>

namespace tessivar::win32 {

std::string local_long_time_text();
std::string local_short_date_text();

}  // namespace tessivar::win32
