// The start screen Pellomark: its description and bindings.
#pragma once

#include "ui/application_spec.h"

namespace tessivar::forms::start {

const ui::FormModule& start_form();

// The canvas picture may be replaced, for tests of a canvas without one or of another size.
struct StartFormVariant {
  bool canvas_has_picture = true;
  std::int16_t canvas_height = 7695;
  std::int16_t canvas_width = 15615;
  std::int16_t viewport_height = 6015;
};
// A variant of the description; the shipped description is start_form().
const ui::FormModule& start_form_variant(const StartFormVariant& variant);

}  // namespace tessivar::forms::start
