// The splash window frmSplash: its description, its Load handler and the hand-over.
#pragma once

#include "ui/application_spec.h"

namespace tessivar::forms::splash {

const ui::FormModule& splash_form();

}  // namespace tessivar::forms::splash
