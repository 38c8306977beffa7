#include "ui/controls/timer.h"

#include "ui/application.h"
#include "ui/form.h"

namespace tessivar::ui {

Timer::Timer(Form& form, const ControlSpec& spec, Control* container, Millis loaded_at)
    : Control(form, spec, container),
      interval_(std::get<TimerSpec>(spec.kind).interval),
      enabled_(std::get<TimerSpec>(spec.kind).enabled) {
  if (enabled_ && interval_ > 0) next_due_ = loaded_at + interval_;
}

void Timer::restart() {
  next_due_.reset();
  if (enabled_ && interval_ > 0) next_due_ = form().app().now() + interval_;
}

void Timer::set_enabled(bool enabled) {
  if (!window_loaded() || enabled == enabled_) return;
  enabled_ = enabled;
  restart();
}

void Timer::set_interval(std::int32_t interval) {
  if (!window_loaded() || interval == interval_) return;
  interval_ = interval;
  restart();
}

void Timer::ticked(Millis now) {
  if (!next_due_) return;
  Millis next = *next_due_ + interval_;
  if (next <= now) {
    // Late by more than one interval: keep the beat, drop the missed ticks.
    next += ((now - next) / interval_ + 1) * interval_;
  }
  next_due_ = next;
}

}  // namespace tessivar::ui
