// The number conversions handlers rely on.
#pragma once

#include <cstdint>

namespace tessivar::ui {

// A single or double value assigned to a 16-bit property: rounded to the nearest integer, a half
// going to the even neighbour; OverflowError outside -32768..32767 (and for NaN).
std::int16_t to_int16(double value);

// An addition or subtraction followed by the floating-point fault test: when the operation sets
// the invalid-operation, division-by-zero or overflow flag, FloatingPointError is raised. Finite
// operands never set them; infinity minus infinity does.
double checked_sum(double a, double b);
double checked_difference(double a, double b);

}  // namespace tessivar::ui
