// Drawing pictures: straight-alpha compositing and the scaling filters.
#include "ui/raster/blit.h"

#include <string>
#include <vector>

#include "raster_test_support.h"

namespace tessivar::ui {
namespace {

Bitmap from_rows(int width, const std::vector<Pixel>& pixels) {
  Bitmap b(width, static_cast<int>(pixels.size()) / width);
  b.pixels = pixels;
  return b;
}

Pixel grey(std::uint8_t v) {
  return make_pixel(v, v, v);
}

TEST(DrawBitmap, CopiesOpaquePixelsAndClipsTheSourceAtTheTargetEdges) {
  const Bitmap source = from_rows(3, {grey(1), grey(2), grey(3),  //
                                      grey(4), grey(5), grey(6)});
  Bitmap target = testing::surface(3, 3);
  draw_bitmap(target.view(), {-1, 1}, source.view(), target.view().bounds());
  EXPECT_EQ(target.pixels, (std::vector<Pixel>{testing::kBackground, testing::kBackground,
                                               testing::kBackground,  //
                                               grey(2), grey(3), testing::kBackground, grey(5),
                                               grey(6), testing::kBackground}));
}

// An opaque picture of `width` x `height` with a different colour in every pixel, and the same
// picture as Pixels. Its rows are `pitch_pixels` apart, as a decoder's wider rows leave them.
struct OpaquePair {
  OpaqueBitmap opaque;
  Bitmap widened;
};
OpaquePair opaque_pair(int width, int height, int pitch_pixels) {
  OpaquePair pair{OpaqueBitmap(width, height, pitch_pixels), Bitmap(width, height)};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto r = static_cast<std::uint8_t>(10 + x), g = static_cast<std::uint8_t>(100 + y),
                 b = static_cast<std::uint8_t>(x * 7 + y * 3);
      std::uint8_t* p = pair.opaque.writable_row(y) + static_cast<std::size_t>(x) * 3;
      p[0] = b, p[1] = g, p[2] = r;
      pair.widened.pixels[static_cast<std::size_t>(y) * width + x] = make_pixel(r, g, b);
    }
  }
  return pair;
}

// Drawn, an opaque picture gives exactly what the same picture as Pixels gives: for every
// width around the four pixels copied at once, placed partly off the target and clipped.
TEST(DrawOpaqueBitmap, WritesTheSamePixelsAsThePictureWithAlphaWhereverItIsClipped) {
  for (int width = 1; width <= 9; ++width) {
    const OpaquePair pair = opaque_pair(width, 3, width + 2);
    for (const Point at : {Point{0, 0}, Point{-1, 1}, Point{2, -1}, Point{5, 2}}) {
      for (const Rect clip : {Rect{0, 0, 12, 5}, Rect{1, 1, 3, 2}}) {
        SCOPED_TRACE("width " + std::to_string(width) + " at " + std::to_string(at.x) + "," +
                     std::to_string(at.y) + ", clip x " + std::to_string(clip.x));
        Bitmap want = testing::surface(12, 5);
        Bitmap got = testing::surface(12, 5);
        draw_bitmap(want.view(), at, pair.widened.view(), clip);
        draw_opaque_bitmap(got.view(), at, pair.opaque, clip);
        ASSERT_EQ(got.pixels, want.pixels);
      }
    }
  }
}

TEST(DrawBitmap, BlendsEachPixelByItsStraightAlpha) {
  struct Case {
    Pixel source, under, expected;
  };
  const Case cases[] = {
      {make_pixel(200, 100, 0, 0xFF), make_pixel(0, 100, 200), make_pixel(200, 100, 0)},
      {make_pixel(200, 100, 0, 0x00), make_pixel(0, 100, 200), make_pixel(0, 100, 200)},
      {make_pixel(255, 255, 255, 128), make_pixel(0, 0, 0), make_pixel(128, 128, 128)},
      // 200 * 64/255 = 50.2; (100 * 64 + 100 * 191)/255 = 100; 200 * 191/255 = 149.8
      {make_pixel(200, 100, 0, 64), make_pixel(0, 100, 200), make_pixel(50, 100, 150)},
      {make_pixel(255, 0, 0, 1), make_pixel(0, 0, 255), make_pixel(1, 0, 254)},
  };
  // All cases in one row, so that the opaque first pixel cannot make the row take the copy path.
  std::vector<Pixel> sources, unders, expected;
  for (const Case& c : cases) {
    sources.push_back(c.source);
    unders.push_back(c.under);
    expected.push_back(c.expected);
  }
  const Bitmap source = from_rows(static_cast<int>(sources.size()), sources);
  Bitmap target = from_rows(static_cast<int>(unders.size()), unders);
  draw_bitmap(target.view(), {0, 0}, source.view(), target.view().bounds());
  EXPECT_EQ(target.pixels, expected);
}

TEST(DrawBitmap, OpaqueAndTranslucentRowsOfOnePictureEachTakeTheirOwnPath) {
  const Bitmap source = from_rows(2, {grey(10), grey(20),  //
                                      grey(30), make_pixel(255, 255, 255, 0)});
  Bitmap target = from_rows(2, {grey(99), grey(99), grey(99), grey(99)});
  draw_bitmap(target.view(), {0, 0}, source.view(), target.view().bounds());
  EXPECT_EQ(target.pixels, (std::vector<Pixel>{grey(10), grey(20), grey(30), grey(99)}));
}

std::vector<int> reds(const Bitmap& b) {
  std::vector<int> out;
  for (Pixel p : b.pixels) out.push_back(pixel_red(p));
  return out;
}

TEST(DrawBitmapScaled, GrowingTwoByTwoToFourByFourInterpolatesBetweenPixelCentres) {
  const Bitmap source = from_rows(2, {make_pixel(0, 0, 0), make_pixel(160, 0, 0),  //
                                      make_pixel(64, 0, 0), make_pixel(224, 0, 0)});
  Bitmap target = testing::surface(4, 4);
  draw_bitmap_scaled(target.view(), {0, 0, 4, 4}, source.view(), target.view().bounds());
  EXPECT_EQ(reds(target), (std::vector<int>{0, 40, 120, 160,   //
                                            16, 56, 136, 176,  //
                                            48, 88, 168, 208,  //
                                            64, 104, 184, 224}));
}

TEST(DrawBitmapScaled, ShrinkingFourByFourToTwoByTwoAveragesEachBlock) {
  const Bitmap source = from_rows(4, {grey(0), grey(8), grey(100), grey(100),    //
                                      grey(4), grey(12), grey(100), grey(100),   //
                                      grey(255), grey(255), grey(0), grey(255),  //
                                      grey(255), grey(255), grey(255), grey(255)});
  Bitmap target = testing::surface(2, 2);
  draw_bitmap_scaled(target.view(), {0, 0, 2, 2}, source.view(), target.view().bounds());
  EXPECT_EQ(target.pixels, (std::vector<Pixel>{grey(6), grey(100), grey(255), grey(191)}));
}

TEST(DrawBitmapScaled, ShrinkingByAFractionWeighsPartlyCoveredPixels) {
  // Three source pixels into two: each output covers one and a half inputs.
  const Bitmap source = from_rows(3, {grey(0), grey(90), grey(180)});
  Bitmap target = testing::surface(2, 1);
  draw_bitmap_scaled(target.view(), {0, 0, 2, 1}, source.view(), target.view().bounds());
  EXPECT_EQ(target.pixels, (std::vector<Pixel>{grey(30), grey(150)}));
}

TEST(DrawBitmapScaled, SameSizeIsAnExactCopy) {
  const Bitmap source = from_rows(3, {grey(1), grey(2), grey(3), grey(4), grey(5), grey(6)});
  Bitmap target = testing::surface(3, 2);
  draw_bitmap_scaled(target.view(), {0, 0, 3, 2}, source.view(), target.view().bounds());
  EXPECT_EQ(target.pixels, source.pixels);
}

TEST(DrawBitmapScaled, TransparentPixelsLendNoColourToTheirNeighbours) {
  // Filtering straight colour would tint the red edge with the hidden green.
  const Bitmap source = from_rows(2, {make_pixel(255, 0, 0), make_pixel(0, 255, 0, 0)});
  Bitmap target = from_rows(4, {make_pixel(0, 0, 255), make_pixel(0, 0, 255), make_pixel(0, 0, 255),
                                make_pixel(0, 0, 255)});
  draw_bitmap_scaled(target.view(), {0, 0, 4, 1}, source.view(), target.view().bounds());
  EXPECT_EQ(target.pixels, (std::vector<Pixel>{make_pixel(255, 0, 0), make_pixel(191, 0, 64),
                                               make_pixel(64, 0, 191), make_pixel(0, 0, 255)}));
}

TEST(DrawBitmapScaled, EachAxisPicksItsOwnFilter) {
  // Halved across (averaging), doubled down (interpolating).
  const Bitmap source = from_rows(4, {grey(0), grey(40), grey(80), grey(120),  //
                                      grey(160), grey(200), grey(240), grey(240)});
  Bitmap target = testing::surface(2, 4);
  draw_bitmap_scaled(target.view(), {0, 0, 2, 4}, source.view(), target.view().bounds());
  EXPECT_EQ(target.pixels, (std::vector<Pixel>{grey(20), grey(100),   //
                                               grey(60), grey(135),   //
                                               grey(140), grey(205),  //
                                               grey(180), grey(240)}));
}

}  // namespace
}  // namespace tessivar::ui
