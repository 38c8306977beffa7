#include "platform/x11/startup_notification.h"

#include <cstdlib>
#include <algorithm>
#include <cstring>

namespace tessivar::x11 {

std::optional<std::string> take_startup_id() {
  const char* value = std::getenv("DESKTOP_STARTUP_ID");
  if (value == nullptr) return std::nullopt;
  std::string id(value);
  unsetenv("DESKTOP_STARTUP_ID");
  if (id.empty()) return std::nullopt;
  return id;
}

std::string startup_remove_message(std::string_view id) {
  // Within quotes only a quote and a backslash need a backslash before them.
  std::string message = "remove: ID=\"";
  for (const char c : id) {
    if (c == '"' || c == '\\') message += '\\';
    message += c;
  }
  message += '"';
  return message;
}

std::vector<std::array<char, 20>> startup_message_pieces(std::string_view message) {
  std::vector<std::array<char, 20>> pieces;
  // The closing NUL travels too: it tells the receiver the message is whole.
  const std::size_t length = message.size() + 1;
  for (std::size_t at = 0; at < length; at += 20) {
    std::array<char, 20> piece{};
    const std::size_t take = std::min<std::size_t>(20, message.size() > at ? message.size() - at : 0);
    std::memcpy(piece.data(), message.data() + at, take);
    pieces.push_back(piece);
  }
  return pieces;
}

void send_startup_message(Display* display, int screen, Window window, const XAtoms& atoms,
                          std::string_view message) {
  const Window root = RootWindow(display, screen);
  bool first = true;
  for (const std::array<char, 20>& piece : startup_message_pieces(message)) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = first ? atoms.net_startup_info_begin : atoms.net_startup_info;
    event.xclient.format = 8;
    std::memcpy(event.xclient.data.b, piece.data(), piece.size());
    XSendEvent(display, root, False, PropertyChangeMask, &event);
    first = false;
  }
  XFlush(display);
}

}  // namespace tessivar::x11
