#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "font_test_support.h"

namespace tessivar::fonts {
namespace {

using test_support::open_font;

TEST(PixelsPerEm, RoundsPointsAt96DotsPerInchAndGuardsNonsense) {
  const struct {
    double points;
    int pixels;
  } cases[] = {
      {8.25, 11},  {9.75, 13},  {12, 16}, {13.5, 18},
      {36.75, 49}, {0, 11},     {-3, 11}, {std::numeric_limits<double>::quiet_NaN(), 11},
      {0.1, 1},    {1e9, 1000},
  };
  for (const auto& c : cases) EXPECT_EQ(pixels_per_em(c.points), c.pixels) << c.points;
}

TEST(FontMeasuring, WidthGrowsWithTextAndSize) {
  const auto small = open_font("Segoe UI", 9.75);
  const auto medium = open_font("Segoe UI", 18);
  const auto large = open_font("Segoe UI", 27.75);

  EXPECT_EQ(small->measure(""), 0);
  EXPECT_GT(small->measure("Tessivar"), 0);
  EXPECT_GT(small->measure("Tessivar Start"), small->measure("Tessivar"));
  EXPECT_LT(small->measure("Tessivar"), medium->measure("Tessivar"));
  EXPECT_LT(medium->measure("Tessivar"), large->measure("Tessivar"));
}

TEST(FontMeasuring, BoldIsWiderThanRegularEvenWhenFaked) {
  // Liberation Sans has a bold member; Inconsolata has not and is thickened instead.
  for (const char* face : {"Arial", "Consolas"}) {
    SCOPED_TRACE(face);
    EXPECT_GT(open_font(face, 12, 700)->measure("Version 1.0"),
              open_font(face, 12, 400)->measure("Version 1.0"));
  }
}

TEST(FontMeasuring, LineMetricsAddUpAndGrowWithSize) {
  const auto small = open_font("Arial", 8.25)->metrics();
  const auto large = open_font("Arial", 32.25)->metrics();
  EXPECT_GT(small.ascent, 0);
  EXPECT_GT(small.descent, 0);
  EXPECT_EQ(small.line_height, small.ascent + small.descent);
  EXPECT_GT(large.line_height, 3 * small.line_height);
}

TEST(FontMeasuring, ControlCharactersTakeNoRoom) {
  const auto font = open_font("Segoe UI", 12);
  EXPECT_EQ(font->measure("a\tb\r\n\x7F"), font->measure("ab"));
}

// The clock text of some locales puts U+202F before AM/PM; the chosen face lacks it, so its width
// comes from a borrowed face instead of vanishing or becoming a box.
TEST(FontMeasuring, ACharacterTheFaceLacksIsMeasuredFromAnotherFace) {
  const auto font = open_font("Segoe UI", 18);
  const int narrow_space = font->measure("3:07:42\u202FPM") - font->measure("3:07:42PM");
  EXPECT_GT(narrow_space, 0);
  EXPECT_LT(narrow_space, font->measure("M"));
}

}  // namespace
}  // namespace tessivar::fonts

namespace tessivar::fonts {
namespace {

// Open Sans stands in for Segoe UI narrowed to Segoe UI's width, so that the splash window's
// "Please wait Loading......" fits its 161-pixel label on one line as it was laid out to.
TEST(FontMeasuring, TheSegoeStandInKeepsSegoesWidth) {
  const auto stand_in = test_support::open_font("Segoe UI", 12);
  const auto open_sans = test_support::open_font("Open Sans", 12);
  const int narrowed = stand_in->measure("Please wait Loading......");
  EXPECT_LE(narrowed, 161);
  EXPECT_LT(narrowed, open_sans->measure("Please wait Loading......"));
}

}  // namespace
}  // namespace tessivar::fonts
