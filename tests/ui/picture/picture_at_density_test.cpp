// Pictures at a window's density: the size they are drawn at, the filter, and the part kept.
#include "ui/picture_at_density.h"

#include <gtest/gtest.h>

#include "tests/ui/picture/support/jpeg_encoder.h"
#include "tests/ui/picture/support/kept_pixels.h"
#include "tests/ui/picture/support/synthetic_pictures.h"
#include "tests/ui/picture/support/windows_picture_builders.h"
#include "ui/picture/picture_decoder.h"
#include "ui/picture/picture_region.h"

namespace tessivar::ui {
namespace {

using test::pixels_of;

TEST(PictureAtDensity, IsDrawnAtItsPixelsTimesDpiOver96WithEdgesRoundedAsTwipsAre) {
  const struct {
    Size natural;
    int dpi;
    Size drawn;
  } cases[] = {
      {{72, 72}, 96, {72, 72}},     {{72, 72}, 120, {90, 90}},  {{72, 72}, 144, {108, 108}},
      {{72, 72}, 192, {144, 144}},  {{5, 3}, 144, {8, 5}},      // 7.5 and 4.5 round up
      {{161, 71}, 120, {201, 89}},  // 201.25 and 88.75 to the nearest
  };
  for (const auto& c : cases) {
    EXPECT_EQ(picture_size_at(c.natural, c.dpi), c.drawn) << c.natural.width << " at " << c.dpi;
  }
}

// Left half red, right half blue, with a hard edge between them.
Bitmap two_halves(int width, int height) {
  Bitmap picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.pixels[static_cast<std::size_t>(y * width + x)] =
          x < width / 2 ? make_pixel(255, 0, 0) : make_pixel(0, 0, 255);
    }
  }
  return picture;
}

TEST(PictureAtDensity, ABitmapIsFilteredNotRepeatedAndOnlyItsVisiblePartIsKept) {
  const test::Bytes bmp = test::build_bmp(two_halves(20, 10));
  const Bitmap whole = pixels_of(decode_picture_at(bmp, "halves.bmp", {1000, 1000}, 192));
  ASSERT_EQ(whole.width, 40);
  ASSERT_EQ(whole.height, 20);
  EXPECT_EQ(whole.at(5, 10), make_pixel(255, 0, 0));
  EXPECT_EQ(whole.at(35, 10), make_pixel(0, 0, 255));
  // Nearest-neighbour would jump from red to blue; the filter passes through a blend.
  const Pixel at_edge = whole.at(19, 10);
  EXPECT_GT(pixel_red(at_edge), 0);
  EXPECT_GT(pixel_blue(at_edge), 0);

  // A window showing less keeps less, and what it keeps is the whole's top-left.
  const Bitmap part = pixels_of(decode_picture_at(bmp, "halves.bmp", {25, 7}, 192));
  ASSERT_EQ(part.width, 25);
  ASSERT_EQ(part.height, 7);
  EXPECT_EQ(part.pixels, crop_top_left(whole, {25, 7}).pixels);
}

TEST(PictureAtDensity, AJpegComesOutOfItsTransformAtTheCommonDensitiesAndIsScaledOtherwise) {
  const test::Bytes jpeg = test::encode_jpeg(test::make_photo_like(75, 120));
  // 150%: twelve eighths, the transform's own upscaling, cut to the part the window shows.
  const Bitmap at_144 = pixels_of(decode_picture_at(jpeg, "photo.jpg", {100, 1000}, 144));
  EXPECT_EQ(at_144.width, 100);
  EXPECT_EQ(at_144.height, 180);
  EXPECT_EQ(at_144.pixels,
            crop_top_left(decode_jpeg(jpeg, "photo.jpg", {1000, 1000}, 12), {100, 180}).pixels);
  // 115%: no whole number of eighths; decoded at its own size and filtered up.
  const Bitmap at_110 = pixels_of(decode_picture_at(jpeg, "photo.jpg", {1000, 1000}, 110));
  EXPECT_EQ(at_110.width, 86);
  EXPECT_EQ(at_110.height, 138);
  // At the standard density the picture is decoded as it is.
  EXPECT_EQ(pixels_of(decode_picture_at(jpeg, "photo.jpg", {50, 50}, 96)).pixels,
            decode_picture(jpeg, "photo.jpg", {50, 50}).pixels);
}

}  // namespace
}  // namespace tessivar::ui
