// What CreateProcess is handed for the tiles' command lines: exactly the program the line names,
// quoted, with the rest of the line untouched; a program named without a folder is the system's.
#include "platform/win32/launch_command.h"

#include <gtest/gtest.h>

namespace tessivar::win32 {
namespace {

struct Case {
  const char* line;
  const char* application_name;
  const char* command_line;
};

constexpr const char* kSystemFolder = "C:\\WINDOWS\\system32";

class ProcessCommandTest : public testing::TestWithParam<Case> {};

TEST_P(ProcessCommandTest, StartsExactlyTheNamedProgram) {
  const Case& c = GetParam();
  const ProcessCommand command = process_command_for(c.line, kSystemFolder);
  EXPECT_TRUE(command.names_program);
  EXPECT_EQ(command.application_name, c.application_name);
  EXPECT_EQ(command.command_line, c.command_line);
}

INSTANTIATE_TEST_SUITE_P(
    TileLines, ProcessCommandTest,
    testing::Values(
        // A trailing space stays: the program reads the line as the tile wrote it.
        Case{"C:\\WINDOWS\\system32\\calc.exe ", "C:\\WINDOWS\\system32\\calc.exe",
             "\"C:\\WINDOWS\\system32\\calc.exe\" "},
        Case{"C:\\WINDOWS\\system32\\perfmon.exe  ", "C:\\WINDOWS\\system32\\perfmon.exe",
             "\"C:\\WINDOWS\\system32\\perfmon.exe\"  "},
        // Unquoted spaces: the whole path through ".exe" is the program, never
        // "C:\Program.exe" or "C:\Program Files\Outlook.exe".
        Case{"C:\\Program Files\\Outlook Express\\msimn.exe",
             "C:\\Program Files\\Outlook Express\\msimn.exe",
             "\"C:\\Program Files\\Outlook Express\\msimn.exe\""},
        Case{"C:\\Program Files\\Internet Explorer\\Connection Wizard\\icwconn1.exe ",
             "C:\\Program Files\\Internet Explorer\\Connection Wizard\\icwconn1.exe",
             "\"C:\\Program Files\\Internet Explorer\\Connection Wizard\\icwconn1.exe\" "},
        Case{"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE",
             "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE",
             "\"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\""},
        // Arguments follow as written, the applet part included.
        Case{"C:\\Windows\\System32\\control.exe access.cpl", "C:\\Windows\\System32\\control.exe",
             "\"C:\\Windows\\System32\\control.exe\" access.cpl"},
        // A bare name is the system folder's program, never one beside the launcher or in the
        // current folder; the line goes as written.
        Case{"rundll32.exe shell32.dll,Control_RunDLL timedate.cpl,,0",
             "C:\\WINDOWS\\system32\\rundll32.exe",
             "rundll32.exe shell32.dll,Control_RunDLL timedate.cpl,,0"},
        Case{"\"rundll32.exe\" x", "C:\\WINDOWS\\system32\\rundll32.exe", "\"rundll32.exe\" x"},
        // A path without ".exe" ends at its first space; Windows adds the extension.
        Case{"C:\\tools\\run now", "", "\"C:\\tools\\run\" now"},
        // A line that quotes its program keeps its own quotes' meaning.
        Case{"  \"C:\\My Tools\\a.exe\" -x", "C:\\My Tools\\a.exe", "\"C:\\My Tools\\a.exe\" -x"},
        // ".exe" inside a directory name does not end the program.
        Case{"C:\\odd.exe.d\\b.exe y", "C:\\odd.exe.d\\b.exe", "\"C:\\odd.exe.d\\b.exe\" y"}));

TEST(ProcessCommand, BlankLinesNameNoProgram) {
  for (const char* line : {"", "   ", "\t", "\"\""}) {
    EXPECT_FALSE(process_command_for(line, kSystemFolder).names_program)
        << "line: [" << line << "]";
  }
}

}  // namespace
}  // namespace tessivar::win32
