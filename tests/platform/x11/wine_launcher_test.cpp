#include "platform/x11/wine_launcher.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace tessivar::x11 {
namespace {

// A PATH holding only a stand-in for Wine (or nothing), put back afterwards.
class WineLauncherTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_path_ = std::getenv("PATH") ? std::getenv("PATH") : "";
    char pattern[] = "/tmp/tessivar-wine-XXXXXX";
    dir_ = mkdtemp(pattern);
    setenv("PATH", dir_.c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", saved_path_.c_str(), 1);
    std::filesystem::remove_all(dir_);
  }
  void install_wine_exiting_with(int status) {
    const std::string path = dir_ + "/wine";
    std::ofstream(path) << "#!/bin/sh\nexit " << status << "\n";
    chmod(path.c_str(), 0755);
  }
  // A stand-in that writes each argument it was given as [ARG] on one line.
  std::string install_wine_recording_arguments() {
    const std::string path = dir_ + "/wine";
    const std::string log = dir_ + "/wine.log";
    std::ofstream(path) << "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done > " << log
                        << "\n";
    chmod(path.c_str(), 0755);
    return log;
  }
  // Waits (up to five seconds) for every started child to end and be reaped.
  static std::vector<ui::LaunchError> collect_until_reaped(WineLauncher& launcher) {
    std::vector<ui::LaunchError> all;
    for (int tries = 0; tries < 100 && launcher.has_running(); ++tries) {
      pollfd fd{launcher.wake_fd(), POLLIN, 0};
      poll(&fd, 1, 50);
      for (auto& error : launcher.collect_ended()) all.push_back(error);
    }
    EXPECT_FALSE(launcher.has_running());
    return all;
  }
  std::string saved_path_;
  std::string dir_;
};

TEST_F(WineLauncherTest, WithoutWineTheLaunchFailsAtOnceSayingWhy) {
  WineLauncher launcher;
  try {
    launcher.launch({"C:\\WINDOWS\\system32\\calc.exe ", ui::WindowStyle::Normal});
    FAIL() << "no error";
  } catch (const ui::LaunchError& error) {
    EXPECT_STREQ(error.what(),
                 "Cannot start \"C:\\WINDOWS\\system32\\calc.exe \": Windows programs need Wine, "
                 "which is not installed.");
  }
}

TEST_F(WineLauncherTest, AFailedStartIsReportedWhenWineEndsAndEveryChildIsReaped) {
  install_wine_exiting_with(1);
  WineLauncher launcher;
  const std::int64_t pid = launcher.launch({"rundll32.exe x", ui::WindowStyle::Minimised});
  EXPECT_GT(pid, 0);
  const auto errors = collect_until_reaped(launcher);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_STREQ(errors[0].what(), "Cannot start \"rundll32.exe x\": the program was not found.");
  EXPECT_EQ(waitpid(static_cast<pid_t>(pid), nullptr, WNOHANG), -1);  // already reaped
}

TEST_F(WineLauncherTest, ASuccessfulStartReportsNothing) {
  install_wine_exiting_with(0);
  WineLauncher launcher;
  launcher.launch({"C:\\WINDOWS\\system32\\calc.exe ", ui::WindowStyle::Normal});
  EXPECT_TRUE(collect_until_reaped(launcher).empty());
}

struct WineArgumentsCase {
  const char* command_line;
  ui::WindowStyle style;
  const char* arguments;  // as the stand-in records them
};

class WineArguments : public WineLauncherTest,
                      public testing::WithParamInterface<WineArgumentsCase> {};

// Wine's start command takes its first word after the options as the program even when it holds
// spaces; an empty first word, as a window title would be on Windows, is taken as a program of
// that name and fails. So the path goes first, on its own, with no title before it. A program
// named without a folder is the prefix's own, from its system folder.
TEST_P(WineArguments, WineStartIsGivenTheProgramPathAsOneWordAndThenItsArguments) {
  const std::string log = install_wine_recording_arguments();
  WineLauncher launcher;
  launcher.launch({GetParam().command_line, GetParam().style});
  EXPECT_TRUE(collect_until_reaped(launcher).empty());
  std::ifstream in(log);
  std::string recorded;
  std::getline(in, recorded);
  EXPECT_EQ(recorded, GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Tiles, WineArguments,
    testing::Values(
        WineArgumentsCase{R"(C:\Program Files\Messenger\msmsgs.exe )", ui::WindowStyle::Normal,
                          R"([start][C:\Program Files\Messenger\msmsgs.exe])"},
        WineArgumentsCase{R"(C:\Program Files\Internet Explorer\IEXPLORE.EXE)",
                          ui::WindowStyle::Minimised,
                          R"([start][/min][C:\Program Files\Internet Explorer\IEXPLORE.EXE])"},
        WineArgumentsCase{"rundll32.exe shell32.dll,Control_RunDLL timedate.cpl",
                          ui::WindowStyle::Minimised,
                          R"([start][/min][C:\windows\system32\rundll32.exe])"
                          R"([shell32.dll,Control_RunDLL][timedate.cpl])"}));

}  // namespace
}  // namespace tessivar::x11
