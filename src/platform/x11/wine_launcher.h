// Starting the Windows command lines of the tiles on Linux: through Wine when it is installed,
// with no shell ever reading the line, and without waiting. Every child is reaped; a child that
// ends in failure is handed back as an error to report, since that is known only later.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/errors.h"
#include "ui/launch_request.h"

namespace tessivar::x11 {

// The first executable `name` in the directories of PATH; none when there is none.
std::optional<std::string> find_on_path(const std::string& name);

class WineLauncher {
 public:
  // Installs the SIGCHLD handler that wakes the event loop.
  WineLauncher();
  ~WineLauncher();
  WineLauncher(const WineLauncher&) = delete;
  WineLauncher& operator=(const WineLauncher&) = delete;

  // Starts `wine start [/min] PROGRAM ARG...` and returns its process id. Raises
  // ui::LaunchError when Wine is not installed or cannot be started.
  std::int64_t launch(const ui::LaunchRequest& request);

  // Readable when a child may have ended; the event loop polls it beside the X connection.
  int wake_fd() const;

  // Reaps every child that has ended and returns the launch errors of those that failed.
  std::vector<ui::LaunchError> collect_ended();

  // Whether a started child has not been reaped yet.
  bool has_running() const { return !running_.empty(); }

 private:
  std::map<int, std::string> running_;  // pid → the command line it was started for
};

}  // namespace tessivar::x11
