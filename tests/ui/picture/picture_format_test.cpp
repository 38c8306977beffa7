#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/picture/support/decode_error_check.h"
#include "tests/ui/picture/support/jpeg_encoder.h"
#include "tests/ui/picture/support/synthetic_pictures.h"
#include "tests/ui/picture/support/windows_picture_builders.h"
#include "ui/picture/picture_decoder.h"

namespace tessivar::ui {
namespace {

using test::Bytes;
using test::raises_decode_error;

Bitmap solid(int size, Pixel colour) {
  return Bitmap(size, size, colour);
}

TEST(PictureFormat, SniffsEachFormatFromItsFirstBytes) {
  struct Case {
    Bytes bytes;
    PictureFormat format;
  };
  const Case cases[] = {
      {{0xFF, 0xD8, 0xFF, 0xE0}, PictureFormat::Jpeg},
      {{0xFF, 0xD8, 0xFF}, PictureFormat::Jpeg},
      {{'B', 'M', 0, 0}, PictureFormat::Bmp},
      {{0, 0, 1, 0, 1, 0}, PictureFormat::Ico},
      {{0, 0, 2, 0, 1, 0}, PictureFormat::Unknown},
      {{0xFF, 0xD8}, PictureFormat::Unknown},
      {{'B'}, PictureFormat::Unknown},
      {{}, PictureFormat::Unknown},
      {{0x89, 'P', 'N', 'G'}, PictureFormat::Unknown},
  };
  for (const Case& c : cases) EXPECT_EQ(sniff_picture_format(c.bytes), c.format) << c.bytes.size();
}

TEST(PictureFormat, DecodePictureHandsEachFormatToItsReaderAndClipsToTheVisiblePart) {
  const Bitmap pattern = test::make_pattern(30, 20);
  const Bytes bmp = test::build_bmp(pattern);
  const Bytes jpeg = test::encode_jpeg(pattern);

  EXPECT_EQ(decode_picture(bmp, "p.bmp", {30, 20}).pixels, pattern.pixels);
  EXPECT_EQ(decode_picture(bmp, "p.bmp", {10, 5}).pixels, decode_bmp(bmp, "p.bmp", {10, 5}).pixels);
  EXPECT_EQ(decode_picture(jpeg, "p.jpg", {10, 5}).pixels,
            decode_jpeg(jpeg, "p.jpg", {10, 5}).pixels);
}

TEST(PictureFormat, AnIconShowsTheImageThatBestFillsTheVisibleSquareClipped) {
  const Pixel red = make_pixel(255, 0, 0), green = make_pixel(0, 255, 0),
              blue = make_pixel(0, 0, 255);
  const Bytes ico =
      test::build_ico({{solid(16, red), 32}, {solid(32, green), 32}, {solid(48, blue), 32}});

  const Bitmap exact = decode_picture(ico, "i.ico", {32, 32});
  EXPECT_EQ(exact.width, 32);
  EXPECT_EQ(exact.at(0, 0), green);

  // 20 pixels are best served by the 32-pixel image, drawn at its own size and clipped.
  const Bitmap clipped = decode_picture(ico, "i.ico", {20, 40});
  EXPECT_EQ(clipped.width, 20);
  EXPECT_EQ(clipped.height, 32);
  EXPECT_EQ(clipped.at(19, 31), green);

  EXPECT_EQ(decode_picture(ico, "i.ico", {200, 200}).at(0, 0), blue);
}

TEST(PictureFormat, ReadsFactsOfEachFormat) {
  const PictureInfo icon = read_picture_info(test::build_ico({{solid(16, 0xFF000000u), 32},
                                                              {solid(48, 0xFF000000u), 8},
                                                              {solid(48, 0xFF000000u), 32},
                                                              {solid(32, 0xFF000000u), 32}}),
                                             "i.ico");
  EXPECT_EQ(icon.format, PictureFormat::Ico);
  EXPECT_EQ(icon.width, 48);
  EXPECT_EQ(icon.bits_per_pixel, 32);

  EXPECT_EQ(read_picture_info(test::build_bmp(solid(3, 0)), "b.bmp").format, PictureFormat::Bmp);
  EXPECT_EQ(read_picture_info(test::encode_jpeg(solid(8, 0)), "j.jpg").format, PictureFormat::Jpeg);
}

TEST(PictureFormat, RefusesBytesOfNoKnownFormat) {
  const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0};
  for (const Bytes& bytes : {gif, Bytes{}}) {
    EXPECT_TRUE(raises_decode_error(
        [&] {
          decode_picture(bytes, "x.gif", {10, 10});
        },
        "x.gif", "not a JPEG, Windows bitmap or icon file"));
    EXPECT_TRUE(raises_decode_error([&] { read_picture_info(bytes, "x.gif"); }, "x.gif",
                                    "not a JPEG, Windows bitmap or icon file"));
  }
}

}  // namespace
}  // namespace tessivar::ui
