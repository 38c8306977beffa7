// What a launching tile hands to the platform's process launcher.
#pragma once

#include <cstdint>
#include <string>

namespace tessivar::ui {

enum class WindowStyle : std::int16_t {
  Normal = 1,     // restored size and place, activated
  Minimised = 2,  // minimised, activated
};

struct LaunchRequest {
  std::string command_line;  // letter for letter, trailing spaces included; never quoted or trimmed
  WindowStyle window_style = WindowStyle::Normal;

  friend bool operator==(const LaunchRequest&, const LaunchRequest&) = default;
};

}  // namespace tessivar::ui
