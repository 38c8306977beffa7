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

// Where a program named without a folder ("rundll32.exe") is started from: the system folder,
// and only there. Windows's own search would look in the launcher's folder and the current
// folder first, so a program of that name planted beside the launcher (a Downloads folder) would
// run in the system's place. A name without an extension gets ".exe", as the search would add.
// A program named with a folder (or a drive) is returned as it stands.
std::string program_in_system_folder(std::string_view program, std::string_view system_folder);

}  // namespace tessivar::platform
