#include "platform/fonts/coverage_blend.h"

#include <gtest/gtest.h>

#include <array>

namespace tessivar::fonts {
namespace {

constexpr ui::Pixel kBlack = 0xFF000000;
constexpr ui::Pixel kWhite = 0xFFFFFFFF;

TEST(CoverageBlend, MixesTheColourByCoverageAndKeepsPixelsOpaque) {
  // One row: untouched, a quarter, a half, full coverage.
  const std::array<std::uint8_t, 4> coverage{0, 64, 128, 255};
  ui::Bitmap surface(4, 1, kBlack);
  blend_coverage(surface.view(), surface.view().bounds(), {0, 0}, {coverage.data(), 4, 1},
                 0x00FFFFFF);  // the colour's own alpha plays no part

  EXPECT_EQ(surface.at(0, 0), kBlack);
  EXPECT_EQ(surface.at(1, 0), 0xFF404040u);
  EXPECT_EQ(surface.at(2, 0), 0xFF808080u);
  EXPECT_EQ(surface.at(3, 0), kWhite);
}

TEST(CoverageBlend, MixesEachChannelSeparately) {
  const std::uint8_t half = 128;
  ui::Bitmap surface(1, 1, ui::make_pixel(0x00, 0xFF, 0x40));
  blend_coverage(surface.view(), surface.view().bounds(), {0, 0}, {&half, 1, 1},
                 ui::make_pixel(0xFF, 0x00, 0x40));
  EXPECT_EQ(surface.at(0, 0), ui::make_pixel(0x80, 0x7F, 0x40));
}

TEST(CoverageBlend, ChangesNothingOutsideTheVisibleArea) {
  std::array<std::uint8_t, 16> solid{};
  solid.fill(255);
  const ui::Pixel marker = 0xFF123456;
  ui::Bitmap surface(6, 6, marker);
  const ui::Rect visible{2, 2, 2, 3};
  // The 4x4 image overhangs the visible area on every side.
  blend_coverage(surface.view(), visible, {1, 1}, {solid.data(), 4, 4}, kWhite);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) {
      EXPECT_EQ(surface.at(x, y), visible.contains({x, y}) ? kWhite : marker) << x << "," << y;
    }
  }
}

TEST(CoverageBlend, FillCutsTheStrokeToTheVisibleArea) {
  ui::Bitmap surface(5, 3, kBlack);
  fill_covered(surface.view(), {1, 0, 3, 3}, {-10, 1, 100, 1}, kWhite);
  for (int x = 0; x < 5; ++x) {
    EXPECT_EQ(surface.at(x, 1), x >= 1 && x < 4 ? kWhite : kBlack) << x;
    EXPECT_EQ(surface.at(x, 0), kBlack);
  }
}

}  // namespace
}  // namespace tessivar::fonts
