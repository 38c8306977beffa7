// A control that is never drawn and ticks every Interval milliseconds while Enabled, counted from
// the load of its window or from being enabled. Its container has no effect on it.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/controls/control.h"
#include "ui/platform.h"

namespace tessivar::ui {

class Timer : public Control {
 public:
  Timer(Form& form, const ControlSpec& spec, Control* container, Millis loaded_at);

  std::int32_t interval() const { return interval_; }
  bool enabled() const { return enabled_; }
  void set_enabled(bool enabled);
  void set_interval(std::int32_t interval);

  // When the next tick falls due; none while it cannot tick.
  std::optional<Millis> next_due() const { return next_due_; }
  // Called when a tick is delivered at `now`: the next falls due on the timer's own beat, and
  // ticks missed while the application was busy are not made up.
  void ticked(Millis now);

 private:
  void restart();

  std::int32_t interval_;
  bool enabled_;
  std::optional<Millis> next_due_;
};

}  // namespace tessivar::ui
