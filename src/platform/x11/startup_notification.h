// The desktop's startup notification: a launcher that starts Tessivar hands it an identifier in
// DESKTOP_STARTUP_ID and shows a busy cursor or a "starting" entry until told the program is up.
// The first window carries the identifier (_NET_STARTUP_ID), and once it is shown a "remove"
// message ends the sequence. The variable is taken out of the environment at start, so that a
// program Tessivar starts does not end or take over Tessivar's own sequence.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/x11/x_atoms.h"
// The Xlib headers come last.
#include "platform/x11/x11_display.h"

namespace tessivar::x11 {

// Takes DESKTOP_STARTUP_ID out of the environment and returns it; none when it was not set or
// empty.
std::optional<std::string> take_startup_id();

// The message that ends the sequence `id`, its value quoted: remove: ID="..."
std::string startup_remove_message(std::string_view id);

// A message as the protocol sends it: its bytes and a closing NUL in pieces of 20, the data of
// one client message each, the last padded with NULs.
std::vector<std::array<char, 20>> startup_message_pieces(std::string_view message);

// Sends `message` to the root window: the first piece as _NET_STARTUP_INFO_BEGIN, the rest as
// _NET_STARTUP_INFO, each naming `window` as its sender.
void send_startup_message(Display* display, int screen, Window window, const XAtoms& atoms,
                          std::string_view message);

}  // namespace tessivar::x11
