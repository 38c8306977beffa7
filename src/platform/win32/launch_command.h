// What CreateProcess is handed for a tile's command line. An unquoted program path with spaces
// ("C:\Program Files\Outlook Express\msimn.exe") would make Windows try "C:\Program.exe" and
// "C:\Program Files\Outlook.exe" first, so a file planted there would run in the program's
// place. The line is therefore split the way Windows would split it when the program exists
// (through the first ".exe" that ends a path element, never a shorter prefix), and exactly that
// program is started: named as the application, and quoted at the head of the command line.
// A program named without a folder ("rundll32.exe") is started from the system folder only, so
// that no program of that name beside the launcher or in the current folder runs instead.
#pragma once

#include <string>
#include <string_view>

namespace tessivar::win32 {

struct ProcessCommand {
  // The program's path, handed as the application name: the system folder's program for a bare
  // name. Empty for a path without ".exe" ("C:\tools\run"): Windows then adds the extension.
  std::string application_name;
  // The program quoted, then the rest of the line exactly as written (trailing spaces too), so
  // the started program reads the same arguments it would have read from the original line. For
  // a bare name the line itself, letter for letter, since the application name says which
  // program it is.
  std::string command_line;
  bool names_program = false;  // false for an empty or blank line

  friend bool operator==(const ProcessCommand&, const ProcessCommand&) = default;
};

// `system_folder` is what GetSystemDirectoryW gives ("C:\WINDOWS\system32").
ProcessCommand process_command_for(std::string_view line, std::string_view system_folder);

}  // namespace tessivar::win32
