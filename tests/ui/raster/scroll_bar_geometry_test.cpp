// Where a scroll bar's parts lie, what a click hits, and the thumb's place turned back into a
// value.
#include "ui/raster/scroll_bar_geometry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace tessivar::ui {
namespace {

constexpr auto kH = ScrollOrientation::Horizontal;
constexpr auto kV = ScrollOrientation::Vertical;

void expect_geometry(const ScrollBarGeometry& g, const ScrollBarGeometry& expected) {
  EXPECT_EQ(g.line_back, expected.line_back);
  EXPECT_EQ(g.page_back, expected.page_back);
  EXPECT_EQ(g.thumb, expected.thumb);
  EXPECT_EQ(g.page_forward, expected.page_forward);
  EXPECT_EQ(g.line_forward, expected.line_forward);
}

struct GeometryCase {
  std::string name;
  Rect bar;
  ScrollOrientation o;
  int min, max, value;
  ScrollBarGeometry expected;
};

// The thin bar under the start screen's viewport: 841 by 9, arrows 17 wide each, a track from 27
// to 834 and so 790 pixels of thumb travel.
const std::vector<GeometryCase> kCases = {
    {"thin_bar_at_min",
     {10, 20, 841, 9},
     kH,
     0,
     3000,
     0,
     {{10, 20, 17, 9}, {}, {27, 20, 17, 9}, {44, 20, 790, 9}, {834, 20, 17, 9}}},
    {"thin_bar_at_max",
     {10, 20, 841, 9},
     kH,
     0,
     3000,
     3000,
     {{10, 20, 17, 9}, {27, 20, 790, 9}, {817, 20, 17, 9}, {}, {834, 20, 17, 9}}},
    {"thin_bar_in_the_middle",
     {10, 20, 841, 9},
     kH,
     0,
     3000,
     1500,
     {{10, 20, 17, 9}, {27, 20, 395, 9}, {422, 20, 17, 9}, {439, 20, 395, 9}, {834, 20, 17, 9}}},
    // 3/4 of 790 is 592.5, which rounds up.
    {"thin_bar_three_quarters",
     {10, 20, 841, 9},
     kH,
     0,
     3000,
     2250,
     {{10, 20, 17, 9}, {27, 20, 593, 9}, {620, 20, 17, 9}, {637, 20, 197, 9}, {834, 20, 17, 9}}},
    {"max_below_min_starts_at_min",
     {10, 20, 841, 9},
     kH,
     100,
     0,
     100,
     {{10, 20, 17, 9}, {}, {27, 20, 17, 9}, {44, 20, 790, 9}, {834, 20, 17, 9}}},
    {"max_below_min_runs_the_other_way",
     {10, 20, 841, 9},
     kH,
     100,
     0,
     25,
     {{10, 20, 17, 9}, {27, 20, 593, 9}, {620, 20, 17, 9}, {637, 20, 197, 9}, {834, 20, 17, 9}}},
    {"max_equal_to_min",
     {10, 20, 841, 9},
     kH,
     7,
     7,
     7,
     {{10, 20, 17, 9}, {}, {27, 20, 17, 9}, {44, 20, 790, 9}, {834, 20, 17, 9}}},
    {"value_beyond_max_held_at_end",
     {10, 20, 841, 9},
     kH,
     0,
     3000,
     32767,
     {{10, 20, 17, 9}, {27, 20, 790, 9}, {817, 20, 17, 9}, {}, {834, 20, 17, 9}}},
    {"value_below_min_held_at_start",
     {10, 20, 841, 9},
     kH,
     0,
     3000,
     -32768,
     {{10, 20, 17, 9}, {}, {27, 20, 17, 9}, {44, 20, 790, 9}, {834, 20, 17, 9}}},
    {"standard_vertical_bar",
     {5, 0, 25, 401},
     kV,
     0,
     1680,
     840,
     {{5, 0, 25, 17}, {5, 17, 25, 175}, {5, 192, 25, 17}, {5, 209, 25, 175}, {5, 384, 25, 17}}},
    {"track_exactly_one_thumb_long",
     {0, 0, 51, 17},
     kH,
     0,
     10,
     10,
     {{0, 0, 17, 17}, {}, {17, 0, 17, 17}, {}, {34, 0, 17, 17}}},
    {"track_shorter_than_thumb",
     {0, 0, 50, 17},
     kH,
     0,
     10,
     5,
     {{0, 0, 17, 17}, {}, {}, {}, {33, 0, 17, 17}}},
    {"shorter_than_two_arrows_shares_length",
     {0, 0, 30, 9},
     kH,
     0,
     10,
     5,
     {{0, 0, 15, 9}, {}, {}, {}, {15, 0, 15, 9}}},
    {"odd_short_bar_leaves_middle_pixel",
     {0, 0, 9, 17},
     kV,
     0,
     10,
     5,
     {{0, 0, 9, 8}, {}, {}, {}, {0, 9, 9, 8}}},
    {"one_pixel_bar_has_no_parts", {0, 0, 1, 9}, kH, 0, 10, 5, {}},
    {"empty_bar", {0, 0, 0, 9}, kH, 0, 10, 5, {}},
    {"negative_bar", {0, 0, 40, -9}, kV, 0, 10, 5, {}},
};

TEST(ScrollBarGeometry, PartsOfTable) {
  for (const GeometryCase& c : kCases) {
    SCOPED_TRACE(c.name);
    expect_geometry(scroll_bar_geometry(c.bar, c.o, c.min, c.max, c.value), c.expected);
  }
}

TEST(ScrollBarGeometry, PartsTileTheBarWithoutGapsOrOverlaps) {
  const Rect bar{3, 4, 300, 12};
  for (int value = 0; value <= 50; ++value) {
    const ScrollBarGeometry g = scroll_bar_geometry(bar, kH, 0, 50, value);
    for (int x = bar.x; x < bar.right(); ++x) {
      int covering = 0;
      for (const Rect& r : {g.line_back, g.page_back, g.thumb, g.page_forward, g.line_forward})
        covering += r.contains({x, bar.y + 5}) ? 1 : 0;
      ASSERT_EQ(covering, 1) << "value " << value << " x " << x;
    }
  }
}

TEST(ScrollBarGeometry, PartAtFindsEachPartAndNothingOutside) {
  const ScrollBarGeometry g = scroll_bar_geometry({10, 20, 841, 9}, kH, 0, 3000, 1500);
  struct Case {
    Point p;
    ScrollPart part;
  };
  for (const Case& c :
       {Case{{10, 20}, ScrollPart::LineBack}, Case{{26, 28}, ScrollPart::LineBack},
        Case{{27, 24}, ScrollPart::PageBack}, Case{{421, 24}, ScrollPart::PageBack},
        Case{{422, 24}, ScrollPart::Thumb}, Case{{438, 24}, ScrollPart::Thumb},
        Case{{439, 24}, ScrollPart::PageForward}, Case{{833, 24}, ScrollPart::PageForward},
        Case{{834, 24}, ScrollPart::LineForward}, Case{{850, 28}, ScrollPart::LineForward},
        Case{{851, 24}, ScrollPart::None}, Case{{9, 24}, ScrollPart::None},
        Case{{400, 19}, ScrollPart::None}, Case{{400, 29}, ScrollPart::None}}) {
    EXPECT_EQ(scroll_bar_part_at(g, c.p), c.part) << c.p.x << "," << c.p.y;
  }
  EXPECT_EQ(scroll_bar_part_at(scroll_bar_geometry({0, 0, 40, 9}, kH, 0, 9, 3), {20, 4}),
            ScrollPart::None);  // a track with no thumb has nothing to page towards
}

int thumb_start(const Rect& bar, ScrollOrientation o, int min, int max, int value) {
  const Rect thumb = scroll_bar_geometry(bar, o, min, max, value).thumb;
  return o == kH ? thumb.x : thumb.y;
}

TEST(ScrollBarValueForThumb, UndoesTheGeometryForEveryValue) {
  struct Case {
    std::string name;
    Rect bar;
    ScrollOrientation o;
    int min, max, step;
    bool exact;  // the range is no longer than the travel
  };
  // Ranges shorter than the travel give back every value exactly; longer ones give back a value
  // whose thumb stands where the dragged one was released.
  const Case cases[] = {
      {"range_longer_than_travel", {10, 20, 841, 9}, kH, 0, 3000, 1, false},
      {"range_shorter_than_travel", {10, 20, 841, 9}, kH, 0, 300, 1, true},
      {"range_equal_to_travel", {10, 20, 841, 9}, kH, 0, 790, 1, true},
      {"reversed_range", {0, 0, 25, 401}, kV, 1680, 0, 1, false},
      {"reversed_short_range", {0, 0, 25, 401}, kV, 40, -60, 1, true},
      {"negative_range", {0, 0, 25, 401}, kV, -200, -50, 1, true},
      {"whole_16_bit_range", {0, 0, 841, 17}, kH, -32768, 32767, 7, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const long long span = std::llabs(static_cast<long long>(c.max) - c.min);
    const int direction = c.max >= c.min ? 1 : -1;
    for (long long k = 0; k <= span; k += c.step) {
      const int value = static_cast<int>(c.min + direction * k);
      const int at = thumb_start(c.bar, c.o, c.min, c.max, value);
      const int back = scroll_bar_value_for_thumb(c.bar, c.o, c.min, c.max, at);
      ASSERT_EQ(thumb_start(c.bar, c.o, c.min, c.max, back), at) << "value " << value;
      if (c.exact) {
        ASSERT_EQ(back, value);
      }
    }
  }
}

TEST(ScrollBarValueForThumb, ReleasedBeyondTheTrackHoldsTheValueInRange) {
  const Rect bar{10, 20, 841, 9};
  EXPECT_EQ(scroll_bar_value_for_thumb(bar, kH, 0, 3000, -500), 0);
  EXPECT_EQ(scroll_bar_value_for_thumb(bar, kH, 0, 3000, 5000), 3000);
  EXPECT_EQ(scroll_bar_value_for_thumb(bar, kH, 100, 0, 5000), 0);
  EXPECT_EQ(scroll_bar_value_for_thumb(bar, kH, 100, 0, 0), 100);
  EXPECT_EQ(scroll_bar_value_for_thumb({0, 0, 40, 9}, kH, 5, 10, 20), 5);  // no thumb travel
  EXPECT_EQ(scroll_bar_value_for_thumb({0, 0, 51, 9}, kH, 5, 10, 17), 5);
}

}  // namespace
}  // namespace tessivar::ui
