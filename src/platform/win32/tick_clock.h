// A monotonic millisecond clock from the system's 32-bit tick count, which wraps every 49.7 days.
// XP has no 64-bit tick count, so the wraps are counted here: any two readings less than 49.7
// days apart tell whether the count went round in between. The event loop never waits longer
// than a minute, so that always holds.
#pragma once

#include <cstdint>

namespace tessivar::win32 {

class TickClock {
 public:
  // The tick count extended to 64 bits; `tick` is the system's current 32-bit reading.
  std::int64_t extend(std::uint32_t tick) {
    if (started_ && tick < last_) wraps_ += 1;
    started_ = true;
    last_ = tick;
    return (wraps_ << 32) | tick;
  }

 private:
  std::int64_t wraps_ = 0;
  std::uint32_t last_ = 0;
  bool started_ = false;
};

}  // namespace tessivar::win32
