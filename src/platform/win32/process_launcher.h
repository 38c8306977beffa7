// Starting a tile's command line with CreateProcess: exactly the program the line names (see
// launch_command.h), shown as the window style asks, without waiting. No handle is kept.
#pragma once

#include <cstdint>
#include <string>

#include "ui/launch_request.h"

namespace tessivar::win32 {

// The system's text for an error code, without its trailing line break.
std::string system_message(std::uint32_t error_code);

// Returns the started process's id; raises ui::LaunchError with the command line and the
// system's reason when the program cannot be started.
std::int64_t launch_process(const ui::LaunchRequest& request);

}  // namespace tessivar::win32
