#include "platform/win32/clock_text.h"

#include <iterator>

#include "platform/win32/utf16.h"
#include "platform/win32/windows_headers.h"

namespace tessivar::win32 {

namespace {

// Regional formats are short; the buffer is grown once if a user's format is not.
template <typename Format>
std::string formatted(Format format) {
  wchar_t buffer[128];
  int length = format(buffer, static_cast<int>(std::size(buffer)));
  if (length > 0) return to_utf8(std::wstring_view(buffer, static_cast<std::size_t>(length - 1)));
  const int needed = format(nullptr, 0);
  if (needed <= 0) return {};
  std::wstring text(static_cast<std::size_t>(needed), L'\0');
  length = format(text.data(), needed);
  if (length <= 0) return {};
  text.resize(static_cast<std::size_t>(length - 1));
  return to_utf8(text);
}

}  // namespace

std::string local_long_time_text() {
  return formatted([](wchar_t* buffer, int size) {
    return GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, size);
  });
}

std::string local_short_date_text() {
  return formatted([](wchar_t* buffer, int size) {
    return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buffer, size);
  });
}

}  // namespace tessivar::win32
