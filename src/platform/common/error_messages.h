// The errors the user is told about, one message window at a time. A failure that comes while the
// window is up waits behind it and is shown, with any others, when the user closes it; a message
// that repeats (three quick clicks on a tile whose program is missing) is shown once, with its
// count. Every failure is counted in a window; a flood of different ones shows the first few
// and the number of the rest (all of them are on standard error too).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tessivar::platform {

class ErrorMessages {
 public:
  // Adds a message. True when no window is up: the caller shows one now, with next_text().
  bool add(std::string message);
  // The text for the window to show next: every waiting message in the order they came, each
  // once, with its count when it came more than once. None when nothing waits, and the window
  // is then down.
  std::optional<std::string> next_text();

  // At most this many different messages in one window; the rest are counted at its foot.
  static constexpr std::size_t kMostInOneWindow = 8;

 private:
  struct Waiting {
    std::string message;
    int times = 1;
  };
  std::vector<Waiting> waiting_;
  bool window_up_ = false;
};

}  // namespace tessivar::platform
