#include "ui/events.h"

namespace tessivar::ui {

std::string_view event_name(Event event) {
  switch (event) {
    case Event::Load: return "Load";
    case Event::Activate: return "Activate";
    case Event::Click: return "Click";
    case Event::KeyDown: return "KeyDown";
    case Event::KeyPress: return "KeyPress";
    case Event::Timer: return "Timer";
    case Event::Change: return "Change";
  }
  return "?";
}

}  // namespace tessivar::ui
