#include "ui/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ui/errors.h"

namespace tessivar::ui {
namespace {

TEST(ToInt16, RoundsHalfToEvenInsideTheRange) {
  struct Case {
    double in;
    std::int16_t out;
  };
  for (const Case c : {Case{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.49, 0}, {1680.0, 1680},
                       {-32768.5, -32768}, {32767.4, 32767}, {-32768.0, -32768}}) {
    EXPECT_EQ(to_int16(c.in), c.out) << c.in;
  }
}

TEST(ToInt16, RaisesOverflowOutsideTheRange) {
  for (const double in : {32767.5, 32768.0, -32769.0, -32768.51, 1e9,
                          std::numeric_limits<double>::infinity(), std::nan("")}) {
    EXPECT_THROW(to_int16(in), OverflowError) << in;
  }
}

TEST(CheckedArithmetic, RaisesOnlyWhenTheFloatingPointUnitFlagsAFault) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(checked_difference(7695.0, 6015.0), 1680.0);
  EXPECT_EQ(checked_sum(600.0, 6015.0), 6615.0);
  EXPECT_THROW(checked_difference(inf, inf), FloatingPointError);
  EXPECT_THROW(checked_sum(inf, -inf), FloatingPointError);
  EXPECT_THROW(checked_sum(1e308, 1e308), FloatingPointError);  // overflow
  // Infinity minus a finite number sets no flag: the conversion that follows catches it.
  EXPECT_EQ(checked_difference(inf, 6015.0), inf);
}

}  // namespace
}  // namespace tessivar::ui

#include "ui/geometry.h"

namespace tessivar::ui {
namespace {

TEST(TwipsToPixels, RoundsHalvesDownRightAndHoldsAnyValueToASafeRange) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double twips;
    int pixels;
  };
  for (const Case c : {Case{15, 1}, {-600, -40}, {7.5, 1}, {7.4, 0}, {-7.5, 0}, {15615, 1041},
                       {inf, 1 << 24}, {-inf, -(1 << 24)}, {1e300, 1 << 24}, {std::nan(""), 0}}) {
    EXPECT_EQ(twips_to_pixels(c.twips), c.pixels) << c.twips;
  }
  // Rectangles at the far ends still intersect without overflow.
  const Rect far = twips_rect_to_pixels(-600, 0, inf, inf);
  EXPECT_EQ(far.intersect({0, 0, 10, 10}), (Rect{0, 0, 10, 10}));
}

}  // namespace
}  // namespace tessivar::ui
