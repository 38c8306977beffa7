// The message box that tells the user about an error no handler caught. It runs on a thread of
// its own, so that the application goes on (the clock keeps ticking, clicks are handled) while
// the box waits for the user, as the engine's model asks.
#pragma once

#include <string>

namespace tessivar::win32 {

// Shows a box titled `title` with `message` and an OK button, and returns at once. While a box is
// up, later messages wait and come in one box after it (platform/common/error_messages.h).
void show_error_box(const std::string& title, const std::string& message);

}  // namespace tessivar::win32
