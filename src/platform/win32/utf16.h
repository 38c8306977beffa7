// The engine's texts are UTF-8; Windows' wide functions take UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace tessivar::win32 {

std::wstring to_utf16(std::string_view utf8);
std::string to_utf8(std::wstring_view utf16);

}  // namespace tessivar::win32
