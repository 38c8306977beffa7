// The user-interface colours used where the platform has no colour scheme of its own (Linux and
// the headless backend): the standard light scheme of the desktop the windows were made for.
#pragma once

#include "ui/pixels.h"

namespace tessivar::ui {

// The colour for a system colour index; an index outside the scheme gives the button face.
Pixel default_system_colour(int index);

}  // namespace tessivar::ui
