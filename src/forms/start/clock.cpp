// The clock tile: the time, then the date, rewritten at every tick.
#include "forms/start/start_handlers.h"
#include "ui/application.h"

namespace tessivar::forms::start {

void Timer1_Timer(ui::Form& form) {
  form.label("Label4").set_caption(form.app().time_text());
  form.label("Label5").set_caption(form.app().date_text());
}

}  // namespace tessivar::forms::start
