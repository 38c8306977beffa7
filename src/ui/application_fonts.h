// The fonts an application's windows name, each once: what a backend can choose and open before
// any window needs them.
#pragma once

#include <vector>

#include "ui/application_spec.h"
#include "ui/font.h"

namespace tessivar::ui {

// Every label's and frame's font in every window, in the order first named, without repeats.
std::vector<FontSpec> fonts_named_in(const ApplicationSpec& application);

}  // namespace tessivar::ui
