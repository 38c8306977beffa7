// Splitting a Windows command line into the program it names and the arguments Windows would
// hand that program, so that it can be started without a shell ever reading the line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessivar::platform {

struct WindowsCommand {
  std::string program;                 // a Windows path or a bare program name
  std::vector<std::string> arguments;  // as the program's argv[1..] would hold them
  friend bool operator==(const WindowsCommand&, const WindowsCommand&) = default;
};

// An unquoted program path may hold spaces ("C:\Program Files\Messenger\msmsgs.exe "): as
// Windows does, the program runs up to and including the first ".exe" (any case) that ends a
// path element, never a shorter prefix; a quoted path runs to its closing quote. Without ".exe"
// the program is the first word. The rest is split into arguments by the Windows C runtime's
// rules (spaces and tabs separate, double quotes group, backslashes escape only quotes).
// An empty or blank line gives an empty program.
WindowsCommand split_windows_command_line(std::string_view line);

}  // namespace tessivar::platform
