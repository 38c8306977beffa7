#include "ui/conversions.h"

#include <cfenv>
#include <cmath>
#include <sstream>

#include "ui/errors.h"

namespace tessivar::ui {
namespace {

constexpr int kFaultFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

double checked(double a, double b, bool subtract) {
  std::feclearexcept(kFaultFlags);
  // volatile keeps the operation between the clearing and the test of the flags.
  volatile double left = a;
  volatile double result = subtract ? left - b : left + b;
  if (std::fetestexcept(kFaultFlags) != 0) {
    std::ostringstream message;
    message << "Floating-point error: " << a << (subtract ? " - " : " + ") << b
            << " is not a valid number";
    throw FloatingPointError(message.str());
  }
  return result;
}

}  // namespace

std::int16_t to_int16(double value) {
  // nearbyint rounds half to even under the default rounding mode, which nothing here changes.
  const double rounded = std::nearbyint(value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
    std::ostringstream message;
    message << "Overflow: " << value << " does not fit a 16-bit whole number";
    throw OverflowError(message.str());
  }
  return static_cast<std::int16_t>(rounded);
}

double checked_sum(double a, double b) { return checked(a, b, false); }
double checked_difference(double a, double b) { return checked(a, b, true); }

}  // namespace tessivar::ui
