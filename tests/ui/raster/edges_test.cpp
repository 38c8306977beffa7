// Bevelled edges: which ring colour lands on which pixel.
#include "ui/raster/edges.h"

#include <vector>

#include "raster_test_support.h"

namespace tessivar::ui {
namespace {

using testing::kBackground;

struct Expected {
  Point at;
  Pixel colour;
};

void expect_pixels(const Bitmap& b, const std::vector<Expected>& expected) {
  for (const Expected& e : expected) {
    EXPECT_EQ(b.at(e.at.x, e.at.y), e.colour) << "at " << e.at.x << "," << e.at.y;
  }
}

TEST(ThemeColours, TakesEachRoleFromItsSystemColourIndex) {
  const ThemeColours t = theme_colours_from([](int index) { return Pixel(0xFF000000u + index); });
  EXPECT_EQ(t.face, 0xFF000000u + 15);
  EXPECT_EQ(t.highlight, 0xFF000000u + 20);
  EXPECT_EQ(t.light, 0xFF000000u + 22);
  EXPECT_EQ(t.shadow, 0xFF000000u + 16);
  EXPECT_EQ(t.dark_shadow, 0xFF000000u + 21);
  EXPECT_EQ(t.button_text, 0xFF000000u + 18);
  EXPECT_EQ(t.scroll_trough, 0xFF000000u + 0);
}

TEST(SunkenEdge, OuterRingIsShadowOverHighlightAndInnerRingDarkShadowOverLight) {
  const ThemeColours t = testing::distinct_theme();
  Bitmap b = testing::surface(10, 8);
  draw_sunken_edge(b.view(), {1, 1, 8, 6}, b.view().bounds(), t);
  expect_pixels(b, {
                       // outer ring
                       {{1, 1}, t.shadow},
                       {{4, 1}, t.shadow},
                       {{1, 4}, t.shadow},
                       {{8, 1}, t.highlight},  // top-right corner belongs to the lit side
                       {{1, 6}, t.highlight},  // and so does bottom-left
                       {{4, 6}, t.highlight},
                       {{8, 4}, t.highlight},
                       {{8, 6}, t.highlight},
                       // inner ring
                       {{2, 2}, t.dark_shadow},
                       {{4, 2}, t.dark_shadow},
                       {{2, 4}, t.dark_shadow},
                       {{7, 2}, t.light},
                       {{2, 5}, t.light},
                       {{4, 5}, t.light},
                       {{7, 4}, t.light},
                       // inside and outside untouched
                       {{3, 3}, kBackground},
                       {{6, 4}, kBackground},
                       {{0, 0}, kBackground},
                       {{9, 7}, kBackground},
                   });
}

TEST(RaisedEdge, OuterRingIsLightOverDarkShadowAndInnerRingHighlightOverShadow) {
  const ThemeColours t = testing::distinct_theme();
  Bitmap b = testing::surface(6, 6);
  draw_raised_edge(b.view(), {0, 0, 6, 6}, b.view().bounds(), t);
  expect_pixels(b, {{{2, 0}, t.light},
                    {{0, 2}, t.light},
                    {{2, 5}, t.dark_shadow},
                    {{5, 2}, t.dark_shadow},
                    {{2, 1}, t.highlight},
                    {{1, 2}, t.highlight},
                    {{2, 4}, t.shadow},
                    {{4, 2}, t.shadow},
                    {{2, 2}, kBackground}});
}

TEST(GroupBox, EtchedLineRunsHalfACaptionDownWithAGapForTheCaption) {
  const ThemeColours t = testing::distinct_theme();
  Bitmap b = testing::surface(20, 16);
  draw_group_box(b.view(), {0, 0, 20, 16}, {4, 0, 6, 8}, b.view().bounds(), t);
  expect_pixels(b, {
                       {{2, 3}, kBackground},  // above the line
                       {{2, 4}, t.shadow},     // top: shadow, then highlight below it
                       {{2, 5}, t.highlight},
                       {{12, 4}, t.shadow},
                       {{12, 5}, t.highlight},
                       {{4, 4}, kBackground},  // the caption's gap, both lines
                       {{9, 5}, kBackground},
                       {{10, 4}, t.shadow},  // the gap ends where the caption does
                       {{0, 10}, t.shadow},  // left: shadow, highlight inside it
                       {{1, 10}, t.highlight},
                       {{18, 10}, t.shadow},  // right: shadow, highlight outside it
                       {{19, 10}, t.highlight},
                       {{10, 14}, t.shadow},  // bottom: shadow, highlight below it
                       {{10, 15}, t.highlight},
                       {{10, 10}, kBackground},  // the inside is the painter's
                   });
}

TEST(GroupBox, CaptionHeightWithoutGapPlacesTheLineUnbroken) {
  const ThemeColours t = testing::distinct_theme();
  struct Case {
    Rect gap;
    int line_row;
  };
  // No caption at all: as for an empty caption in the 13-pixel standard dialog font.
  for (const Case& c : {Case{{}, 6}, Case{{4, 0, 0, 10}, 5}, Case{{4, 0, 6, -3}, 6}}) {
    Bitmap b = testing::surface(20, 16);
    draw_group_box(b.view(), {0, 0, 20, 16}, c.gap, b.view().bounds(), t);
    for (int x = 0; x < 19; ++x) {
      ASSERT_EQ(b.at(x, c.line_row), t.shadow) << "x " << x << " row " << c.line_row;
      ASSERT_EQ(b.at(x, c.line_row - 1), kBackground) << "x " << x;
    }
  }
}

TEST(GroupBox, BoxShorterThanHalfItsCaptionDrawsOnlyWhatFits) {
  const ThemeColours t = testing::distinct_theme();
  Bitmap b = testing::surface(10, 10);
  draw_group_box(b.view(), {0, 0, 10, 3}, {2, 0, 3, 10}, b.view().bounds(), t);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(b.at(x, y), kBackground);
}

}  // namespace
}  // namespace tessivar::ui
