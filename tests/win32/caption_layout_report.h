// The captions of every label of the application's windows laid out by the engine's own text
// layout with one backend's fonts: a line a label, the same on every backend, so that the Linux
// and the Windows program's layouts can be compared with diff.
//   frmSplash.Label3 "Segoe UI" 12pt 400 in 161x25: 2 lines, 1 whole: Please wait|Loading......
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/application_spec.h"
#include "ui/font.h"

namespace tessivar::tests {

using FontOpener = std::function<std::unique_ptr<ui::Font>(const ui::FontSpec& spec)>;

// At 96 dots per inch. An AutoSize label has the width of its caption, so it is reported on one
// line with that width.
std::string caption_layout_report(const ui::ApplicationSpec& application, const FontOpener& open);

}  // namespace tessivar::tests
