// What windows look like: the painting order, clipping, labels and picture boxes, checked pixel
// by pixel on small windows drawn with a block font.
#include <gtest/gtest.h>

#include <array>

#include "support/bitmap_files.h"
#include "support/fake_font.h"
#include "support/headless_harness.h"
#include "ui/paint/text_layout.h"
#include "ui/raster/fill.h"

namespace tessivar::testing {
namespace {

using namespace ui;

const std::vector<std::uint8_t> kRed = solid_bmp(10, 10, 0xFF0000);
const std::vector<std::uint8_t> kBlue = solid_bmp(40, 20, 0x0000FF);

constexpr Pixel kRedPixel = make_pixel(0xFF, 0, 0);
constexpr Pixel kBluePixel = make_pixel(0, 0, 0xFF);
constexpr Pixel kGreenPixel = make_pixel(0, 0x80, 0);
constexpr Pixel kWhitePixel = make_pixel(0xFF, 0xFF, 0xFF);
constexpr Pixel kYellowPixel = make_pixel(0xFF, 0xFF, 0);
constexpr Colour kGreen = 0x00008000;
constexpr Colour kYellow = 0x0000FFFF;
constexpr Colour kGrey = 0x00404040;

// Pixels to twips.
constexpr std::int16_t px(int pixels) { return static_cast<std::int16_t>(pixels * 15); }

// clang-format off
const std::array kControls = {
    // Lightweight listed before windowed: the picture box still covers the picture.
    ControlSpec{.name = "imgUnderBox", .container = "frmP", .left = px(0),  .top = px(0),  .width = px(10), .height = px(10), .kind = ImageSpec{.picture = {kRed, "red"}}},
    ControlSpec{.name = "picOver",     .container = "frmP", .left = px(5),  .top = px(0),  .width = px(10), .height = px(10), .tab_index = 0, .kind = PictureBoxSpec{.back_color = kGreen}},
    // Two pictures: the one listed first is in front.
    ControlSpec{.name = "imgFront",    .container = "frmP", .left = px(0),  .top = px(20), .width = px(10), .height = px(10), .kind = ImageSpec{.picture = {kRed, "red"}}},
    ControlSpec{.name = "imgBack",     .container = "frmP", .left = px(5),  .top = px(20), .width = px(40), .height = px(20), .kind = ImageSpec{.picture = {kBlue, "blue"}}},
    // Nested picture boxes: the inner one and its picture are clipped to the outer's inside.
    ControlSpec{.name = "picOuter",    .container = "frmP",     .left = px(30), .top = px(0), .width = px(14), .height = px(14), .tab_index = 1, .kind = PictureBoxSpec{.back_color = kGreen}},
    ControlSpec{.name = "picInner",    .container = "picOuter", .left = px(6),  .top = px(6), .width = px(14), .height = px(14), .tab_index = 2, .kind = PictureBoxSpec{.picture = {kRed, "red"}}},
    // A frame of no height hides its picture.
    ControlSpec{.name = "fraZero",     .container = "frmP",    .left = px(0), .top = px(50), .width = px(20), .height = 0, .kind = FrameSpec{}},
    ControlSpec{.name = "imgHidden",   .container = "fraZero", .left = 0,     .top = 0,      .width = px(10), .height = px(10), .kind = ImageSpec{.picture = {kRed, "red"}}},
    // A transparent label in front of a picture; empty labels, transparent and opaque.
    ControlSpec{.name = "lblOnBlue",   .container = "frmP", .left = px(60), .top = px(0),  .width = px(40), .height = px(20), .tab_index = 3,
                .kind = LabelSpec{.caption = "A A", .back_style = BackStyle::Transparent, .fore_color = 0x00FFFFFF}},
    ControlSpec{.name = "imgBlue",     .container = "frmP", .left = px(60), .top = px(0),  .width = px(40), .height = px(20), .kind = ImageSpec{.picture = {kBlue, "blue"}}},
    ControlSpec{.name = "lblEmptyClear", .container = "frmP", .left = px(60), .top = px(30), .width = px(10), .height = px(10), .tab_index = 4,
                .kind = LabelSpec{.back_style = BackStyle::Transparent, .back_color = kYellow}},
    ControlSpec{.name = "lblEmptyOpaque", .container = "frmP", .left = px(80), .top = px(30), .width = px(10), .height = px(10), .tab_index = 5,
                .kind = LabelSpec{.back_color = kYellow}},
    // Words broken at spaces and cut at the bottom edge, centred.
    ControlSpec{.name = "lblWrap",     .container = "frmP", .left = px(0), .top = px(70), .width = px(55), .height = px(15), .tab_index = 6,
                .kind = LabelSpec{.caption = "aa bb cc", .alignment = Alignment::Centre, .back_color = kGrey, .fore_color = 0x00FFFFFF}},
    // A picture smaller than its box: the back colour beside and below it.
    ControlSpec{.name = "picRoomy",    .container = "frmP", .left = px(65), .top = px(70), .width = px(30), .height = px(20), .tab_index = 8,
                .kind = PictureBoxSpec{.picture = {kRed, "red"}, .back_color = kYellow}},
    ControlSpec{.name = "lblAuto",     .container = "frmP", .left = px(60), .top = px(50), .width = px(5), .height = px(5), .tab_index = 7,
                .kind = LabelSpec{.caption = "ab", .auto_size = true, .back_color = kYellow}},
};
// clang-format on

const FormSpec kSpec{.name = "frmP", .back_color = 0x00000000, .client_width = px(120),
                     .client_height = px(100), .controls = kControls};
const std::array kForms = {FormModule{&kSpec, {}}};
const ApplicationSpec kApp{.title = "Paint", .forms = kForms, .startup_form = "frmP"};

class PainterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.platform.use_fonts([](const FontSpec&, int) { return std::make_unique<BlockFont>(); });
    h.start();
  }
  Pixel at(int x, int y) { return h.platform.surface(h.window("frmP")).at(x, y); }
  int count(Rect r, Pixel colour) {
    int n = 0;
    for (int y = r.y; y < r.bottom(); ++y)
      for (int x = r.x; x < r.right(); ++x) n += at(x, y) == colour;
    return n;
  }

  HeadlessHarness h{kApp};
};

TEST_F(PainterTest, WindowedControlsCoverLightweightOnesWhateverTheOrder) {
  EXPECT_EQ(at(2, 5), kRedPixel);    // the picture where the box is not
  EXPECT_EQ(at(9, 5), kGreenPixel);  // the box's inside in front of it
}

TEST_F(PainterTest, EarlierListedIsInFront) {
  EXPECT_EQ(at(7, 25), kRedPixel);
  EXPECT_EQ(at(12, 25), kBluePixel);
}

TEST_F(PainterTest, NestedContainersClipTheirChildren) {
  // The outer box's inside runs from (32,2) to (42,12); the inner box starts at (38,8).
  EXPECT_EQ(at(41, 11), kRedPixel);                  // inner picture inside the outer's inside
  EXPECT_EQ(count({42, 0, 4, 20}, kRedPixel), 0);    // nothing of it beyond the outer box
  EXPECT_EQ(count({30, 12, 16, 4}, kRedPixel), 0);
}

TEST_F(PainterTest, AFrameWithNoHeightShowsNothingOfItsChildren) {
  EXPECT_EQ(count({0, 48, 20, 14}, kRedPixel), 0);
}

TEST_F(PainterTest, TransparentLabelShowsThePictureAroundItsText) {
  const Rect label{60, 0, 40, 20};
  EXPECT_GT(count(label, kWhitePixel), 0);  // the text
  EXPECT_GT(count(label, kBluePixel), 0);   // the picture around it
  EXPECT_EQ(at(75, 4), kBluePixel);         // the space between the letters
}

TEST_F(PainterTest, EmptyTransparentLabelDrawsNothingAnOpaqueOneItsBackColour) {
  EXPECT_EQ(count({60, 30, 10, 10}, make_pixel(0, 0, 0)), 100);  // the window beneath
  EXPECT_EQ(count({80, 30, 10, 10}, kYellowPixel), 100);
}

TEST_F(PainterTest, PictureBoxHasATwoPixelSunkenEdgeAndItsPictureStartsInside) {
  const Form& f = h.form("frmP");
  const Rect outer = f.picture_box("picOuter").outer_rect();
  EXPECT_EQ(at(outer.x, outer.y), h.platform.system_colour(16));          // shadow
  EXPECT_EQ(at(outer.x + 1, outer.y + 1), h.platform.system_colour(21));  // dark shadow
  EXPECT_EQ(at(outer.right() - 1, outer.bottom() - 1), h.platform.system_colour(20));
  EXPECT_EQ(at(outer.x + 2, outer.y + 2), kGreenPixel);
  const Rect inner = f.picture_box("picInner").client_rect();
  EXPECT_EQ(inner.x, outer.x + 2 + 6 + 2);
}

// The back colour is painted only where the opaque picture does not reach, and a repaint that
// straddles the picture's edges still fills each band beside and below it.
TEST_F(PainterTest, ThePictureBoxBackColourShowsWhereItsPictureDoesNotReach) {
  Form& f = h.form("frmP");
  const Rect inside = f.picture_box("picRoomy").client_rect();  // 26 x 16, the picture 10 x 10
  const auto check = [&] {
    EXPECT_EQ(count({inside.x, inside.y, 10, 10}, kRedPixel), 100);
    EXPECT_EQ(count({inside.x + 10, inside.y, 16, 16}, kYellowPixel), 16 * 16);
    EXPECT_EQ(count({inside.x, inside.y + 10, 10, 6}, kYellowPixel), 10 * 6);
  };
  check();
  const PixelView surface = h.platform.window_pixels(h.window("frmP"));
  fill_rect(surface, surface.bounds(), surface.bounds(), kBluePixel);
  f.invalidate({inside.x + 4, inside.y + 3, 15, 12});
  h.app.paint_pending();
  EXPECT_EQ(at(inside.x + 2, inside.y + 2), kBluePixel);  // outside the repaint, untouched
  EXPECT_EQ(at(inside.x + 5, inside.y + 4), kRedPixel);
  EXPECT_EQ(at(inside.x + 12, inside.y + 4), kYellowPixel);
  EXPECT_EQ(at(inside.x + 5, inside.y + 12), kYellowPixel);
  EXPECT_EQ(at(inside.x + 12, inside.y + 12), kYellowPixel);
}

TEST_F(PainterTest, CaptionBreaksAtSpacesIsCentredAndCutAtTheBottom) {
  // "aa bb" (50 px) fits the 55-pixel label, "cc" goes to a second line that is cut after 5 rows.
  const Rect label{0, 70, 55, 15};
  EXPECT_EQ(at(2 + 2, 70 + 2), kWhitePixel);        // 'a', 2 px in from the centred line's start
  EXPECT_EQ(at(17 + 2, 81), kWhitePixel);           // 'c' on the second line, centred at 17
  EXPECT_EQ(count({0, 85, 55, 5}, kWhitePixel), 0);  // nothing below the label
  EXPECT_EQ(at(label.x, label.y), make_pixel(0x40, 0x40, 0x40));
}

TEST_F(PainterTest, AutoSizeFollowsTheCaptionAndOnlyTheAffectedAreasRepaint) {
  Form& f = h.form("frmP");
  Label& label = f.label("lblAuto");
  EXPECT_EQ(label.width(), 5 * 15);  // the described size until the caption changes
  label.set_caption("abcd");
  EXPECT_EQ(label.width(), 40 * 15);
  EXPECT_EQ(label.height(), 10 * 15);
  const std::vector<Rect> pending = f.take_pending_paint();
  ASSERT_EQ(pending.size(), 1u);
  EXPECT_EQ(pending[0], (Rect{60, 50, 40, 10}));
}

TEST(TextLayout, BreaksAtSpacesKeepsLeadingSpacesAndLetsALongWordStandAlone) {
  const BlockFont font;
  const auto lines = [&](std::string_view text, int width) {
    std::vector<std::string> out;
    for (const TextLine& l : break_into_lines(font, text, width)) out.emplace_back(l.text);
    return out;
  };
  EXPECT_EQ(lines("aa bb cc", 55), (std::vector<std::string>{"aa bb", "cc"}));
  EXPECT_EQ(lines("   aa bb", 60), (std::vector<std::string>{"   aa", "bb"}));
  EXPECT_EQ(lines("abcdefgh ij", 30), (std::vector<std::string>{"abcdefgh", "ij"}));
  EXPECT_EQ(lines("3:07:42 PM", 95), (std::vector<std::string>{"3:07:42", "PM"}));
  EXPECT_EQ(lines("one", 100), (std::vector<std::string>{"one"}));
}

// A font whose hinted widths run ahead of its design, as a rasteriser's do at some sizes: each
// character is drawn `kDrawn` pixels wide and designed `design_64ths` 64ths of a pixel wide.
class HintedWiderFont final : public ui::Font {
 public:
  static constexpr int kDrawn = 11;
  explicit HintedWiderFont(std::int64_t design_64ths) : design_(design_64ths) {}
  ui::FontMetrics metrics() const override { return {8, 2, 10}; }
  int measure(std::string_view utf8) const override {
    return static_cast<int>(utf8.size()) * kDrawn;
  }
  std::int64_t design_width(std::string_view utf8) const override {
    return static_cast<std::int64_t>(utf8.size()) * design_;
  }
  void draw(ui::PixelView, ui::Rect, ui::Point, std::string_view, ui::Pixel) const override {}

 private:
  std::int64_t design_;
};

TEST(TextLayout, LinesBreakByTheDesignWidthAndAreAlignedByTheDrawnOne) {
  struct Case {
    std::int64_t design_64ths;  // a character's design width
    int max_width;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      // Drawn, "aa bb" is 55 pixels, yet by its design it fits in 50.
      {10 * 64, 50, {"aa bb", "cc"}},
      // A 64th of a pixel over is over: the 64ths count, not the rounded pixels.
      {10 * 64 + 12, 51, {"aa bb", "cc"}},
      {10 * 64 + 13, 51, {"aa", "bb", "cc"}},
  };
  for (const Case& c : cases) {
    const HintedWiderFont font(c.design_64ths);
    std::vector<std::string> texts;
    const auto lines = break_into_lines(font, "aa bb cc", c.max_width);
    for (const TextLine& l : lines) {
      texts.emplace_back(l.text);
      EXPECT_EQ(l.width, static_cast<int>(l.text.size()) * HintedWiderFont::kDrawn);
    }
    EXPECT_EQ(texts, c.lines) << c.design_64ths << " 64ths in " << c.max_width;
  }
}

}  // namespace
}  // namespace tessivar::testing
