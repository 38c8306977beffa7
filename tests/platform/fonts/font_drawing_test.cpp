#include <gtest/gtest.h>

#include <algorithm>

#include "font_test_support.h"

namespace tessivar::fonts {
namespace {

using test_support::count_pixels_not;
using test_support::open_font;

constexpr ui::Pixel kMarker = 0xFF3C7A11;
constexpr ui::Pixel kBlack = 0xFF000000;
constexpr ui::Pixel kWhite = 0xFFFFFFFF;

// The columns that hold ink, as [first, last]; {-1, -1} when nothing was drawn.
std::pair<int, int> inked_columns(const ui::Bitmap& bitmap, ui::Pixel background) {
  int first = -1, last = -1;
  for (int x = 0; x < bitmap.width; ++x) {
    for (int y = 0; y < bitmap.height; ++y) {
      if (bitmap.at(x, y) == background) continue;
      if (first < 0) first = x;
      last = x;
      break;
    }
  }
  return {first, last};
}

ui::Bitmap drawn(const ui::Font& font, std::string_view text, int width = 64, int height = 40,
                 ui::Pixel background = kBlack, ui::Pixel colour = kWhite) {
  ui::Bitmap surface(width, height, background);
  font.draw(surface.view(), surface.view().bounds(), {4, height * 3 / 4}, text, colour);
  return surface;
}

TEST(FontDrawing, TouchesNothingOutsideTheClipOrTheTarget) {
  const auto font = open_font("Segoe UI", 18);
  const struct {
    const char* name;
    ui::Rect clip;
    ui::Point origin;
  } cases[] = {
      {"clip inside, text overhanging it on every side", {6, 4, 14, 10}, {0, 22}},
      {"clip larger than the target", {-50, -50, 200, 200}, {-7, 18}},
      {"text hanging off the target's bottom right", {0, 0, 40, 24}, {28, 34}},
      {"empty clip", {10, 10, 0, 5}, {0, 20}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ui::Bitmap surface(40, 24, kMarker);
    font->draw(surface.view(), c.clip, c.origin, "Wgjy", kWhite);
    const ui::Rect allowed = c.clip.intersect(surface.view().bounds());
    for (int y = 0; y < surface.height; ++y) {
      for (int x = 0; x < surface.width; ++x) {
        const ui::Pixel p = surface.at(x, y);
        if (!allowed.contains({x, y})) {
          ASSERT_EQ(p, kMarker) << "changed outside the clip at " << x << "," << y;
        }
        ASSERT_EQ(ui::pixel_alpha(p), 0xFF);
      }
    }
    if (!allowed.empty()) {
      EXPECT_GT(count_pixels_not(surface, kMarker), 0);
    }
  }
}

TEST(FontDrawing, WhiteOnBlackGivesBrightGreyPixels) {
  const ui::Bitmap surface = drawn(*open_font("Segoe UI", 18), "Tessivar", 120);
  int brightest = 0;
  for (ui::Pixel p : surface.pixels) {
    ASSERT_EQ(ui::pixel_red(p), ui::pixel_green(p));  // no colour fringes
    ASSERT_EQ(ui::pixel_green(p), ui::pixel_blue(p));
    brightest = std::max<int>(brightest, ui::pixel_red(p));
  }
  EXPECT_EQ(brightest, 0xFF);
  EXPECT_GT(count_pixels_not(surface, kBlack), 50);
}

TEST(FontDrawing, BlackTextBlendsIntoALightBackground) {
  const ui::Pixel light_grey = 0xFFD8D8D8;
  const ui::Bitmap surface =
      drawn(*open_font("Arial", 8.25), "Copyright", 64, 20, light_grey, 0x00000000);
  const auto darkest = std::ranges::min(surface.pixels, {}, ui::pixel_red);
  EXPECT_LT(ui::pixel_red(darkest), 0x40);
  // Edge pixels lie between the two colours rather than at either.
  EXPECT_TRUE(std::ranges::any_of(surface.pixels, [](ui::Pixel p) {
    return ui::pixel_red(p) > 0x40 && ui::pixel_red(p) < 0xC0;
  }));
}

TEST(FontDrawing, InkStaysWithinTheMeasuredAdvance) {
  for (const char* face : {"Segoe UI", "Arial", "Consolas", "Calibri"}) {
    SCOPED_TRACE(face);
    const auto font = open_font(face, 12, 700);
    const ui::Bitmap surface = drawn(*font, "Email: 42", 120);
    const auto [first, last] = inked_columns(surface, kBlack);
    const int pen_start = 4, pen_end = 4 + font->measure("Email: 42");
    EXPECT_GE(first, pen_start - 1);
    EXPECT_LE(last, pen_end + 1);
    EXPECT_GT(last, pen_end - 4);
  }
}

TEST(FontDrawing, TextStandsOnTheBaseline) {
  const auto font = open_font("Arial", 18);
  const ui::FontMetrics metrics = font->metrics();
  ui::Bitmap surface(40, 40, kBlack);
  const int baseline = 30;
  font->draw(surface.view(), surface.view().bounds(), {2, baseline}, "H", kWhite);
  int top = -1, bottom = -1;
  for (int y = 0; y < surface.height; ++y) {
    for (int x = 0; x < surface.width; ++x) {
      if (surface.at(x, y) == kBlack) continue;
      if (top < 0) top = y;
      bottom = y;
    }
  }
  EXPECT_EQ(bottom, baseline - 1);  // "H" sits on the baseline, no descender
  EXPECT_GE(top, baseline - metrics.ascent);
}

TEST(FontDrawing, ACharacterTheFaceLacksIsDrawnFromAFallbackFace) {
  const auto font = open_font("Segoe UI", 18);
  // U+FFFE is no character at all, so no face has it: its ink is the missing-glyph box.
  const ui::Bitmap missing = drawn(*font, "\xEF\xBF\xBE");
  const ui::Bitmap arabic_meem = drawn(*font, "\xD9\x85");  // the chosen face has no Arabic

  EXPECT_GT(count_pixels_not(missing, kBlack), 0) << "an unknown character shows as a box";
  EXPECT_GT(count_pixels_not(arabic_meem, kBlack), 0);
  EXPECT_NE(arabic_meem.pixels, missing.pixels) << "the letter was drawn as a box";
}

TEST(FontDrawing, ABorrowedSpaceLeavesNoBox) {
  EXPECT_EQ(count_pixels_not(drawn(*open_font("Segoe UI", 18), "\u202F"), kBlack), 0);
}

TEST(FontDrawing, MalformedTextDrawsReplacementCharacters) {
  const auto font = open_font("Segoe UI", 12);
  for (std::string_view bad : {"\xFF", "\xC3", "ok\xE2\x82", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                               "\xC0\xAF", "\x80\x80\x80"}) {
    SCOPED_TRACE(::testing::PrintToString(bad));
    EXPECT_GT(font->measure(bad), 0);
    EXPECT_GT(count_pixels_not(drawn(*font, bad), kBlack), 0);
  }
}

// Fonts of one file at different sizes share one FreeType face; each must rasterise at its own
// size whichever font used the face last.
TEST(FontDrawing, FontsSharingAFileKeepTheirOwnSize) {
  const ui::Bitmap expected = drawn(*open_font("Segoe UI", 9.75), "8/8/2013 Wg");

  const auto small = open_font("Segoe UI", 9.75);
  const auto large = open_font("Segoe UI", 27.75);
  drawn(*large, "8/8/2013 Wg");
  EXPECT_EQ(drawn(*small, "8/8/2013 Wg").pixels, expected.pixels);
}

TEST(FontDrawing, AFontOutlivesTheEngineThatOpenedIt) {
  std::unique_ptr<ui::Font> font;
  {
    FontEngine engine;
    font = engine.open({.face = "Calibri", .points = 11.25, .weight = 700});
  }
  EXPECT_GT(count_pixels_not(drawn(*font, "\u00A9 2013 \xD9\x85"), kBlack), 0);
}

TEST(FontDrawing, UnderlineAndStrikeoutSpanTheText) {
  ui::FontSpec spec{.face = "Arial", .points = 12};
  const auto plain = test_support::shared_engine().open(spec);
  spec.underline = spec.strikeout = true;
  const auto decorated = test_support::shared_engine().open(spec);

  const ui::Bitmap without = drawn(*plain, "a  b", 64);
  const ui::Bitmap with = drawn(*decorated, "a  b", 64);
  // The gap between the letters holds only the two strokes.
  const int gap_x = 4 + plain->measure("a ");
  int stroke_rows = 0;
  for (int y = 0; y < with.height; ++y) {
    EXPECT_EQ(without.at(gap_x, y), kBlack);
    if (with.at(gap_x, y) != kBlack) ++stroke_rows;
  }
  EXPECT_GE(stroke_rows, 2);
}

}  // namespace
}  // namespace tessivar::fonts
