// Which control a click at a window pixel lands on: clipped by every container, hidden controls
// and containers passed over, windowed controls before lightweight ones, earlier listed before
// later.
#pragma once

#include "ui/geometry.h"

namespace tessivar::ui {

class Control;
class Form;

// The front-most control at `point`, the deepest inside containers; null: the window itself.
Control* control_at(const Form& form, Point point);

}  // namespace tessivar::ui
