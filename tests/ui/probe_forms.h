// Two small windows that exercise the engine's rules, with handlers that write what they see into
// a log the tests read.
#pragma once

#include <string>
#include <vector>

#include "ui/application_spec.h"

namespace tessivar::testing {

// frmA, 200 by 200 pixels:
//   lblOver  transparent Label (0,0)-(40,20), listed before imgUnder
//   imgUnder Image (0,0)-(72,72), Click logged
//   picBox   PictureBox (100,0)-(200,100), TabIndex 0, KeyDown logged; holds
//            hsOutside HScrollBar wholly outside the box, TabIndex 1, Change logged
//            imgInBox  Image at the box's inner corner, Click logged
//   fraZero  Frame of no height holding tmrHidden (Interval 100, Timer logged) and imgHidden
//   hsA      HScrollBar (0,140)-(200,157), TabIndex 2, Change logged (nests a change of hsB)
//   hsB      HScrollBar (0,170)-(200,187), TabIndex 3, Change logged
//   tmrZero  Timer with Interval 0, Timer logged
// frmB, 100 by 100 pixels, no controls; Load and Activate logged.
const ui::ApplicationSpec& probe_application();

// What the probe handlers saw, in order.
std::vector<std::string>& probe_log();

// Switches for the probe handlers.
struct ProbeBehaviour {
  bool hs_a_change_moves_hs_b = false;  // hsA's Change sets hsB.Value to hsA.Value
  bool image_click_fails_midway = false;  // imgUnder's Click sets lblOver's caption, then overflows
};
ProbeBehaviour& probe_behaviour();

// A description whose binding names a control that is not there.
const ui::ApplicationSpec& misbound_application();

}  // namespace tessivar::testing
