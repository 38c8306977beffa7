// The classic scroll bar look, at the standard thickness and at the thin start-screen size.
#include "ui/raster/scroll_bar_painter.h"

#include <set>
#include <utility>
#include <vector>

#include "raster_test_support.h"
#include "ui/raster/scroll_bar_geometry.h"

namespace tessivar::ui {
namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels pixels_of(const Bitmap& b, Rect area, Pixel colour) {
  Pixels out;
  for (int y = area.y; y < area.bottom(); ++y)
    for (int x = area.x; x < area.right(); ++x)
      if (b.at(x, y) == colour) out.insert({x, y});
  return out;
}

// How many glyph pixels stand in each column (or row) of a button, in order along the bar.
std::vector<int> glyph_profile(const Bitmap& b, Rect button, Pixel glyph, bool columns) {
  std::vector<int> profile;
  const int lines = columns ? button.width : button.height;
  for (int i = 0; i < lines; ++i) {
    const Rect line = columns ? Rect{button.x + i, button.y, 1, button.height}
                              : Rect{button.x, button.y + i, button.width, 1};
    const int n = static_cast<int>(pixels_of(b, line, glyph).size());
    if (n > 0) profile.push_back(n);
  }
  return profile;
}

struct Drawn {
  Bitmap bitmap;
  ScrollBarGeometry geometry;
};

Drawn draw(Rect bar, ScrollOrientation o, ScrollPart pressed, int value = 3) {
  Drawn d{testing::surface(bar.right() + 2, bar.bottom() + 2),
          scroll_bar_geometry(bar, o, 0, 10, value)};
  draw_scroll_bar(d.bitmap.view(), bar, o, d.geometry, pressed, d.bitmap.view().bounds(),
                  testing::distinct_theme());
  return d;
}

TEST(ScrollBarPainter, ArrowGlyphsPointOutwardsAtEveryThickness) {
  const Pixel glyph = testing::distinct_theme().button_text;
  struct Case {
    Rect bar;
    ScrollOrientation o;
    std::vector<int> back_profile;  // glyph pixels per line, from the bar's start outwards
  };
  const Case cases[] = {
      {{1, 1, 200, 17}, ScrollOrientation::Horizontal, {1, 3, 5, 7}},
      {{1, 1, 841, 9}, ScrollOrientation::Horizontal, {1, 3}},
      {{1, 1, 17, 120}, ScrollOrientation::Vertical, {1, 3, 5, 7}},
      {{1, 1, 12, 9}, ScrollOrientation::Horizontal, {1}},  // arrows only 6 wide
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bar.width);
    const Drawn d = draw(c.bar, c.o, ScrollPart::None);
    const bool columns = c.o == ScrollOrientation::Horizontal;
    EXPECT_EQ(glyph_profile(d.bitmap, d.geometry.line_back, glyph, columns), c.back_profile);
    std::vector<int> forward(c.back_profile.rbegin(), c.back_profile.rend());
    EXPECT_EQ(glyph_profile(d.bitmap, d.geometry.line_forward, glyph, columns), forward);
    // Never on the button's border.
    for (const Rect& button : {d.geometry.line_back, d.geometry.line_forward}) {
      EXPECT_TRUE(pixels_of(d.bitmap, button, glyph) ==
                  pixels_of(d.bitmap, button.inset(1), glyph));
    }
  }
}

TEST(ScrollBarPainter, PressedArrowIsFlatWithItsGlyphMovedDownAndRight) {
  const ThemeColours t = testing::distinct_theme();
  for (Rect bar : {Rect{1, 1, 200, 17}, Rect{1, 1, 200, 9}}) {
    SCOPED_TRACE(bar.height);
    const Drawn up = draw(bar, ScrollOrientation::Horizontal, ScrollPart::None);
    const Drawn down = draw(bar, ScrollOrientation::Horizontal, ScrollPart::LineForward);
    const Rect button = up.geometry.line_forward;
    Pixels moved;
    for (auto [x, y] : pixels_of(up.bitmap, button, t.button_text)) moved.insert({x + 1, y + 1});
    EXPECT_EQ(pixels_of(down.bitmap, button, t.button_text), moved);
    EXPECT_EQ(up.bitmap.at(button.x, button.y), t.light);  // raised
    EXPECT_EQ(down.bitmap.at(button.x, button.y), t.shadow);
    EXPECT_EQ(down.bitmap.at(button.right() - 1, button.bottom() - 1), t.shadow);
    // The other arrow is not pressed.
    EXPECT_EQ(down.bitmap.at(up.geometry.line_back.x, bar.y), t.light);
  }
}

int brightness(Pixel p) {
  return pixel_red(p) + pixel_green(p) + pixel_blue(p);
}

TEST(ScrollBarPainter, PressedTroughPartIsDarkerAndTheRestUnchanged) {
  const Rect bar{1, 1, 300, 17};
  const Drawn normal = draw(bar, ScrollOrientation::Horizontal, ScrollPart::None, 5);
  for (ScrollPart pressed : {ScrollPart::PageBack, ScrollPart::PageForward}) {
    const Drawn held = draw(bar, ScrollOrientation::Horizontal, pressed, 5);
    const Rect part =
        pressed == ScrollPart::PageBack ? held.geometry.page_back : held.geometry.page_forward;
    ASSERT_FALSE(part.empty());
    for (int y = 0; y < normal.bitmap.height; ++y) {
      for (int x = 0; x < normal.bitmap.width; ++x) {
        if (part.contains({x, y})) {
          ASSERT_LT(brightness(held.bitmap.at(x, y)), brightness(normal.bitmap.at(x, y)));
        } else {
          ASSERT_EQ(held.bitmap.at(x, y), normal.bitmap.at(x, y)) << x << "," << y;
        }
      }
    }
  }
}

TEST(ScrollBarPainter, TroughIsCheckeredAndThumbIsARaisedButton) {
  const ThemeColours t = testing::distinct_theme();
  const Drawn d = draw({1, 1, 300, 17}, ScrollOrientation::Horizontal, ScrollPart::Thumb, 5);
  const Rect trough = d.geometry.page_back;
  EXPECT_EQ(d.bitmap.at(trough.x, trough.y), t.highlight);  // (18 + 1) is odd
  EXPECT_EQ(d.bitmap.at(trough.x + 1, trough.y), t.scroll_trough);
  const Rect thumb = d.geometry.thumb;
  EXPECT_EQ(d.bitmap.at(thumb.x, thumb.y), t.light);
  EXPECT_EQ(d.bitmap.at(thumb.x + 1, thumb.y + 1), t.highlight);
  EXPECT_EQ(d.bitmap.at(thumb.x + 8, thumb.y + 8), t.face);
  EXPECT_EQ(d.bitmap.at(thumb.right() - 1, thumb.y + 8), t.dark_shadow);
  EXPECT_EQ(d.bitmap.at(thumb.right() - 2, thumb.y + 8), t.shadow);
}

TEST(ScrollBarPainter, BarTooShortForAThumbShowsArrowsAndTrough) {
  const ThemeColours t = testing::distinct_theme();
  const Drawn d = draw({1, 1, 45, 9}, ScrollOrientation::Horizontal, ScrollPart::None);
  ASSERT_TRUE(d.geometry.thumb.empty());
  const Rect between{18, 1, 11, 9};
  for (int y = between.y; y < between.bottom(); ++y)
    for (int x = between.x; x < between.right(); ++x)
      ASSERT_EQ(d.bitmap.at(x, y), ((x + y) & 1) ? t.highlight : t.scroll_trough);
}

}  // namespace
}  // namespace tessivar::ui
