// What the application hands the platform at start: its three windows, its title and version
// numbers, and the splash window to show first.
#pragma once

#include "ui/application_spec.h"

namespace tessivar::app {

const ui::ApplicationSpec& tessivar_application();

}  // namespace tessivar::app
