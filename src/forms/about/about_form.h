// The About window frmAbout: pure description; it binds no event.
#pragma once

#include "ui/application_spec.h"

namespace tessivar::forms::about {

const ui::FormModule& about_form();

}  // namespace tessivar::forms::about
