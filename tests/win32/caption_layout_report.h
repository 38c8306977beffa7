// The captions of every label of the application's windows laid out by the engine's own text
// layout with one backend's fonts at one density: a line a label, the same on every backend, so
// that the Linux and the Windows program's layouts can be compared with diff. The design and the
// drawn width of the widest line follow in brackets (ui::Font), with whether the caption fits:
//   frmSplash.Label3@120 "Segoe UI" 12pt 400 in 201x31: 1 line, 1 whole: Please wait
//   Loading...... [design 196.3, drawn 198, fits]
// (on one line). A caption fits when every line lies whole inside the label: its design width
// within the label's width, and all its lines within the label's height.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/application_spec.h"
#include "ui/font.h"

namespace tessivar::tests {

using FontOpener = std::function<std::unique_ptr<ui::Font>(const ui::FontSpec& spec, int dpi)>;

// The densities the layouts are held to: 100%, 125%, 150%, 175% and 200%.
inline constexpr int kReportDensities[] = {96, 120, 144, 168, 192};

// An AutoSize label has the width of its caption, so it is reported on one line with that width.
std::string caption_layout_report(const ui::ApplicationSpec& application, const FontOpener& open,
                                  int dpi);

// The reports at each of kReportDensities, one after another.
std::string caption_layout_reports(const ui::ApplicationSpec& application, const FontOpener& open);

}  // namespace tessivar::tests
