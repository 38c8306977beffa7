#include "platform/common/windows_command_line.h"

#include <gtest/gtest.h>

namespace tessivar::platform {
namespace {

struct SplitCase {
  const char* line;
  WindowsCommand expected;
};

class SplitWindowsCommandLine : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitWindowsCommandLine, NamesTheProgramAndItsArguments) {
  EXPECT_EQ(split_windows_command_line(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitWindowsCommandLine,
    testing::Values(
        // Trailing spaces make no empty argument.
        SplitCase{"C:\\WINDOWS\\system32\\calc.exe ", {"C:\\WINDOWS\\system32\\calc.exe", {}}},
        SplitCase{"C:\\WINDOWS\\system32\\perfmon.exe  ", {"C:\\WINDOWS\\system32\\perfmon.exe", {}}},
        // An unquoted path with spaces runs to the ".exe" that ends it, never a shorter prefix.
        SplitCase{"C:\\Program Files\\Outlook Express\\msimn.exe",
                  {"C:\\Program Files\\Outlook Express\\msimn.exe", {}}},
        SplitCase{"C:\\Program Files\\Internet Explorer\\Connection Wizard\\icwconn1.exe ",
                  {"C:\\Program Files\\Internet Explorer\\Connection Wizard\\icwconn1.exe", {}}},
        SplitCase{"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE",
                  {"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE", {}}},
        // ".exe" inside a name does not end the path.
        SplitCase{"C:\\Tools\\my.exes\\run.exe a", {"C:\\Tools\\my.exes\\run.exe", {"a"}}},
        SplitCase{"C:\\Windows\\System32\\control.exe access.cpl",
                  {"C:\\Windows\\System32\\control.exe", {"access.cpl"}}},
        SplitCase{"C:\\Windows\\System32\\control.exe fonts",
                  {"C:\\Windows\\System32\\control.exe", {"fonts"}}},
        // rundll32 lines keep their commas and @-arguments.
        SplitCase{"rundll32.exe shell32.dll,Control_RunDLL main.cpl @0",
                  {"rundll32.exe", {"shell32.dll,Control_RunDLL", "main.cpl", "@0"}}},
        SplitCase{"rundll32.exe shell32.dll,Control_RunDLL timedate.cpl,,0",
                  {"rundll32.exe", {"shell32.dll,Control_RunDLL", "timedate.cpl,,0"}}},
        SplitCase{"rundll32.exe", {"rundll32.exe", {}}},
        // Quoting as the C runtime reads it.
        SplitCase{"\"C:\\Program Files\\a b.exe\" \"x y\" z\\\"q \"\"",
                  {"C:\\Program Files\\a b.exe", {"x y", "z\"q", ""}}},
        SplitCase{"tool a\\\\\"b c\"", {"tool", {"a\\b c"}}},
        SplitCase{"   ", {"", {}}}));

}  // namespace
}  // namespace tessivar::platform
