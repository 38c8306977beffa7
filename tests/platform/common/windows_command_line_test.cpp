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

TEST(ProgramInSystemFolder, ABareNameIsTheSystemsOwnAndAPathStandsAsItIs) {
  const struct {
    const char* program;
    const char* expected;
  } cases[] = {
      {"rundll32.exe", R"(C:\WINDOWS\system32\rundll32.exe)"},
      {"RunDll32.EXE", R"(C:\WINDOWS\system32\RunDll32.EXE)"},
      {"notepad", R"(C:\WINDOWS\system32\notepad.exe)"},  // the search would add ".exe"
      {R"(C:\WINDOWS\system32\calc.exe)", R"(C:\WINDOWS\system32\calc.exe)"},
      {R"(.\rundll32.exe)", R"(.\rundll32.exe)"},  // a folder the line chose itself
      {"tools/run.exe", "tools/run.exe"},
      {"D:run.exe", "D:run.exe"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(program_in_system_folder(c.program, R"(C:\WINDOWS\system32)"), c.expected)
        << c.program;
  }
  // A system folder given with its closing backslash gets no second one.
  EXPECT_EQ(program_in_system_folder("rundll32.exe", R"(C:\windows\system32\)"),
            R"(C:\windows\system32\rundll32.exe)");
}

}  // namespace
}  // namespace tessivar::platform
