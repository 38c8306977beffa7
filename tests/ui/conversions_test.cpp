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
    int dpi;
    int pixels;
  };
  for (const Case c : {Case{15, 96, 1}, {-600, 96, -40}, {7.5, 96, 1}, {7.4, 96, 0},
                       {-7.5, 96, 0}, {15615, 96, 1041}, {inf, 96, 1 << 24},
                       {-inf, 96, -(1 << 24)}, {1e300, 96, 1 << 24}, {std::nan(""), 96, 0},
                       // The start screen's client area at the common densities.
                       {15240, 120, 1270}, {9705, 120, 809}, {15240, 144, 1524}, {9705, 144, 971},
                       {15240, 192, 2032}, {9705, 192, 1294},
                       // A half pixel at 144 dpi (5 twips) goes down-right there too.
                       {5, 144, 1}, {-5, 144, 0}, {15, 120, 1}, {1e300, 192, 1 << 24}}) {
    EXPECT_EQ(twips_to_pixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
  }
  // Rectangles at the far ends still intersect without overflow.
  const Rect far = twips_rect_to_pixels(-600, 0, inf, inf, 192);
  EXPECT_EQ(far.intersect({0, 0, 10, 10}), (Rect{0, 0, 10, 10}));
}

// Tiles are 1080 twips with 240-twip gaps: at any density a tile and its gap cover exactly the
// pixels from one tile's left edge to the next, with no pixel lost or shared.
TEST(TwipsToPixels, NeighboursStayEdgeToEdgeAtEveryDensity) {
  for (const int dpi : {96, 120, 144, 168, 192}) {
    for (double left = 0; left < 14000; left += 1320) {
      const Rect tile = twips_rect_to_pixels(left, 600, 1080, 1080, dpi);
      const Rect gap = twips_rect_to_pixels(left + 1080, 600, 240, 1080, dpi);
      const Rect next = twips_rect_to_pixels(left + 1320, 600, 1080, 1080, dpi);
      EXPECT_EQ(tile.right(), gap.x) << left << " at " << dpi;
      EXPECT_EQ(gap.right(), next.x) << left << " at " << dpi;
    }
  }
}

TEST(StandardLengths, ScaleWithTheDensityAndLinesStayAtLeastOnePixel) {
  struct Case {
    int dpi;
    int arrow;  // the 17-pixel scroll arrow
    int line;
  };
  for (const Case c : {Case{96, 17, 1}, {120, 21, 1}, {144, 26, 2}, {192, 34, 2}, {48, 9, 1}}) {
    EXPECT_EQ(standard_pixels(17, c.dpi), c.arrow) << c.dpi;
    EXPECT_EQ(line_pixels(c.dpi), c.line) << c.dpi;
  }
  // A measured caption goes back to the same twips at every density.
  EXPECT_EQ(pixels_to_twips(971, 144), 9710);
  EXPECT_EQ(pixels_to_twips(13, 96), 195);
  EXPECT_EQ(usable_dpi(0), 96);
  EXPECT_EQ(usable_dpi(5000), 96);
  EXPECT_EQ(usable_dpi(144), 144);
}

}  // namespace
}  // namespace tessivar::ui
