// What CreateProcess is handed for a tile's command line. An unquoted program path with spaces
// ("C:\Program Files\Outlook Express\msimn.exe") would make Windows try "C:\Program.exe" and
// "C:\Program Files\Outlook.exe" first, so a file planted there would run in the program's
// place. The line is therefore split the way Windows would split it when the program exists
// (through the first ".exe" that ends a path element, never a shorter prefix), and exactly that
// program is started: named as the application, and quoted at the head of the command line.
#pragma once

#include <string>
#include <string_view>

namespace tessivar::win32 {

struct ProcessCommand {
  // The program's path, handed as the application name. Empty for a program named without a
  // directory ("rundll32.exe") or without ".exe": Windows then finds it from the quoted command
  // line in its usual places and adds the ".exe" itself.
  std::string application_name;
  // The program quoted, then the rest of the line exactly as written (trailing spaces too), so
  // the started program reads the same arguments it would have read from the original line.
  std::string command_line;
  bool names_program = false;  // false for an empty or blank line

  friend bool operator==(const ProcessCommand&, const ProcessCommand&) = default;
};

ProcessCommand process_command_for(std::string_view line);

}  // namespace tessivar::win32
