#include "platform/common/error_messages.h"

#include <algorithm>

namespace tessivar::platform {

bool ErrorMessages::add(std::string message) {
  const auto same = std::find_if(waiting_.begin(), waiting_.end(),
                                 [&](const Waiting& w) { return w.message == message; });
  if (same != waiting_.end()) {
    ++same->times;
  } else {
    waiting_.push_back({std::move(message)});
  }
  if (window_up_) return false;
  window_up_ = true;
  return true;
}

std::optional<std::string> ErrorMessages::next_text() {
  if (waiting_.empty()) {
    window_up_ = false;
    return std::nullopt;
  }
  const std::size_t shown = std::min(waiting_.size(), kMostInOneWindow);
  std::string text;
  for (std::size_t i = 0; i < shown; ++i) {
    if (!text.empty()) text += "\n\n";
    text += waiting_[i].message;
    if (waiting_[i].times > 1) text += " (" + std::to_string(waiting_[i].times) + " times)";
  }
  if (waiting_.size() > shown) {
    text += "\n\nand " + std::to_string(waiting_.size() - shown) + " more";
  }
  waiting_.clear();
  window_up_ = true;
  return text;
}

}  // namespace tessivar::platform
