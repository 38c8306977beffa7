// Tab order: the controls that can hold the focus, by TabIndex.
#pragma once

namespace tessivar::ui {

class Control;
class Form;

// The focusable control with the lowest TabIndex, or null.
Control* first_in_tab_order(const Form& form);
// The focusable control after (or, backwards, before) `current`, wrapping round.
Control* next_in_tab_order(const Form& form, const Control* current, bool backwards);

}  // namespace tessivar::ui
