// The program's own stand-ins for the Windows faces its windows name, so that a Linux desktop
// without those faces still shows text of the intended width and character.
#pragma once

#include <span>
#include <string_view>

namespace tessivar::fonts {

struct Substitute {
  std::string_view windows_face;  // as a window description names it; compared ignoring case
  std::string_view family;        // the fontconfig family drawn in its place
  int regular_weight;             // OpenType weight (100..900) asked for a regular request
  int bold_weight;                // and for a bold one
  // The stand-in is drawn this much narrower, where its letters are wider than the original's,
  // so that captions keep the width they were laid out for.
  double width_scale = 1.0;
};

std::span<const Substitute> substitutes();

// The row for `face`, or null when the program has no stand-in of its own for it.
const Substitute* find_substitute(std::string_view face);

// The OpenType weight to ask for: a weight of zero or less means "don't care" (regular), and
// a substitute maps the request onto its own family's regular or bold member.
int requested_weight(int weight);
int substitute_weight(const Substitute& substitute, int weight);

}  // namespace tessivar::fonts
