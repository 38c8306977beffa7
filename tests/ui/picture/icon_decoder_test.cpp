#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/picture/support/decode_error_check.h"
#include "tests/ui/picture/support/windows_picture_builders.h"
#include "ui/picture/picture_decoder.h"

namespace tessivar::ui {
namespace {

using test::build_ico;
using test::Bytes;
using test::expected_icon_pixels;
using test::IconImage;
using test::put_u16;
using test::put_u32;
using test::raises_decode_error;

// An icon-like picture: `colours` stripes of opaque colour and a transparent top-left corner
// (transparent pixels are 0, as a decoder gives them back).
Bitmap icon_picture(int size, int colours) {
  const Pixel palette[] = {make_pixel(220, 40, 30), make_pixel(40, 200, 60),
                           make_pixel(30, 60, 230), make_pixel(250, 210, 20),
                           make_pixel(255, 255, 255)};
  Bitmap picture(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      picture.pixels[static_cast<std::size_t>(y) * size + x] =
          x + y < size / 3 ? 0 : palette[(x / 2 + y) % colours];
  return picture;
}

// Colour with every level of alpha, straight (not premultiplied); alpha 0 pixels are 0.
Bitmap translucent_picture(int size) {
  Bitmap picture(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const auto alpha = static_cast<std::uint8_t>((x * 37 + y * 19) % 256);
      picture.pixels[static_cast<std::size_t>(y) * size + x] =
          alpha == 0 ? 0
                     : make_pixel(static_cast<std::uint8_t>(x * 16),
                                  static_cast<std::uint8_t>(y * 16), 200, alpha);
    }
  }
  return picture;
}

TEST(IconDecoder, DecodesPaletteAndTrueColourBitmapsWithTheirMask) {
  struct Depth {
    int bits;
    int colours;
  };
  for (const Depth depth : {Depth{1, 2}, Depth{4, 5}, Depth{8, 5}, Depth{24, 5}}) {
    for (const int size : {5, 16, 33}) {  // odd widths leave a part-filled byte and padding
      SCOPED_TRACE(std::to_string(depth.bits) + " bits, " + std::to_string(size) + " pixels");
      const IconImage image{icon_picture(size, depth.colours), depth.bits};
      const Bitmap decoded = decode_icon_image(build_ico({image}), "depth.ico", 0);
      ASSERT_EQ(decoded.width, size);
      ASSERT_EQ(decoded.height, size);
      EXPECT_EQ(decoded.pixels, expected_icon_pixels(image).pixels);
    }
  }
}

TEST(IconDecoder, KeepsStraightAlphaOfThirtyTwoBitImages) {
  for (const bool with_mask : {true, false}) {
    SCOPED_TRACE(with_mask ? "with mask" : "without mask");
    const Bitmap picture = translucent_picture(12);
    const Bitmap decoded = decode_icon_image(
        build_ico({{.picture = picture, .bits_per_pixel = 32, .omit_mask = !with_mask}}), "a.ico",
        0);
    EXPECT_EQ(decoded.pixels, picture.pixels);
  }
}

TEST(IconDecoder, UsesTheMaskWhenTheAlphaChannelIsEmpty) {
  const IconImage image{.picture = icon_picture(16, 5), .bits_per_pixel = 32, .empty_alpha = true};
  EXPECT_EQ(decode_icon_image(build_ico({image}), "old.ico", 0).pixels,
            expected_icon_pixels(image).pixels);

  IconImage unmasked = image;
  unmasked.omit_mask = true;
  EXPECT_TRUE(raises_decode_error([&] { decode_icon_image(build_ico({unmasked}), "old.ico", 0); },
                                  "old.ico", "truncated: the transparency mask"));
}

TEST(IconDecoder, DecodesPngImages) {
  const Bitmap picture = translucent_picture(20);
  EXPECT_EQ(decode_icon_image(build_ico({{.picture = picture, .png = true}}), "p.ico", 0).pixels,
            picture.pixels);
}

// The application's icon: twelve bitmaps from 16 colours to 32 bits, plus one PNG image.
std::vector<IconImage> application_like_images() {
  std::vector<IconImage> images;
  for (const int bits : {4, 8})
    for (const int size : {48, 32, 16}) images.push_back({icon_picture(size, 5), bits});
  for (const int size : {128, 64, 48, 32, 24, 16})
    images.push_back({translucent_picture(size), 32});
  images.push_back({.picture = translucent_picture(256), .png = true});
  return images;
}

TEST(IconDecoder, ListsEveryImageFromItsOwnHeader) {
  const std::vector<IconImage> images = application_like_images();
  const std::vector<IconImageInfo> infos = read_icon_directory(build_ico(images), "app.ico");
  ASSERT_EQ(infos.size(), images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(infos[i].width, images[i].picture.width);
    EXPECT_EQ(infos[i].height, images[i].picture.height);
    EXPECT_EQ(infos[i].bits_per_pixel, images[i].bits_per_pixel);
    EXPECT_EQ(infos[i].png, images[i].png);
  }
}

TEST(IconDecoder, ChoosesTheSmallestImageAtLeastAsLargeAndTheDeepestAmongEquals) {
  const std::vector<IconImageInfo> images = {
      {48, 48, 4},    {32, 32, 4},  {16, 16, 4},  {48, 48, 8},  {32, 32, 8},  {16, 16, 8},
      {128, 128, 32}, {64, 64, 32}, {48, 48, 32}, {32, 32, 32}, {24, 24, 32}, {16, 16, 32}};
  struct Case {
    int desired;
    std::size_t chosen;
  };
  for (const Case c : {Case{0, 11}, Case{16, 11}, Case{17, 10}, Case{24, 10}, Case{32, 9},
                       Case{33, 8}, Case{48, 8}, Case{49, 7}, Case{128, 6}, Case{500, 6}}) {
    EXPECT_EQ(choose_icon_image(images, c.desired), c.chosen) << "desired " << c.desired;
  }

  // Full ties keep the first; an image must be large enough both ways to count as large enough.
  const std::vector<IconImageInfo> ties = {{32, 16, 32}, {32, 32, 8}, {32, 32, 8}, {16, 16, 32}};
  EXPECT_EQ(choose_icon_image(ties, 20), 1u);
  EXPECT_EQ(choose_icon_image(ties, 40), 1u);
  EXPECT_EQ(choose_icon_image(std::vector<IconImageInfo>{{64, 64, 32}}, 16), 0u);
  EXPECT_THROW(choose_icon_image({}, 16), std::invalid_argument);
}

TEST(IconDecoder, DecodeIconDecodesTheChosenImage) {
  const std::vector<IconImage> images = application_like_images();
  const Bytes file = build_ico(images);
  EXPECT_EQ(decode_icon(file, "app.ico", 32).pixels, images[9].picture.pixels);
  EXPECT_EQ(decode_icon(file, "app.ico", 200).pixels, images[12].picture.pixels);
  EXPECT_TRUE(raises_decode_error([&] { decode_icon_image(file, "app.ico", 13); }, "app.ico",
                                  "there is no icon image 14; the icon has 13"));
}

TEST(IconDecoder, EveryTruncationIsRefused) {
  const Bytes file = build_ico({{icon_picture(4, 3), 4},
                                {.picture = translucent_picture(4), .png = true},
                                {translucent_picture(4), 32}});
  for (std::size_t length = 0; length < file.size(); ++length) {
    SCOPED_TRACE(length);
    const Bytes truncated(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
    ASSERT_TRUE(raises_decode_error(
        [&] {
          read_icon_directory(truncated, "cut.ico");
          for (std::size_t i = 0; i < 3; ++i) decode_icon_image(truncated, "cut.ico", i);
        },
        "cut.ico"));
  }
}

// The damaged icon below holds a 4-bit image of three colours and a PNG image; these are where
// their parts start.
constexpr std::size_t kFirstEntry = test::kIcoDirectoryEntryAt;
constexpr std::size_t kSecondEntry = test::kIcoDirectoryEntryAt + 16;
constexpr std::size_t kFirstImage = 6 + 2 * 16;
constexpr std::size_t kFirstPixels = kFirstImage + 40 + 3 * 4;

struct IconCase {
  const char* label;
  void (*damage)(Bytes&);
  const char* detail;
};

class IconRefused : public ::testing::TestWithParam<IconCase> {};

TEST_P(IconRefused, RaisesDecodeErrorSayingWhy) {
  Bytes file =
      build_ico({{icon_picture(8, 3), 4}, {.picture = translucent_picture(8), .png = true}});
  GetParam().damage(file);
  EXPECT_TRUE(raises_decode_error(
      [&] {
        read_icon_directory(file, "bad.ico");
        decode_icon_image(file, "bad.ico", 0);
        decode_icon_image(file, "bad.ico", 1);
      },
      "bad.ico", GetParam().detail));
}

INSTANTIATE_TEST_SUITE_P(
    Damage, IconRefused,
    ::testing::Values(
        IconCase{"reserved_field", [](Bytes& b) { b[0] = 1; }, "not an icon"},
        IconCase{"cursor", [](Bytes& b) { put_u16(b, 2, 2); }, "not an icon"},
        IconCase{"no_images", [](Bytes& b) { put_u16(b, 4, 0); }, "lists no images"},
        IconCase{"directory_beyond_the_file", [](Bytes& b) { put_u16(b, 4, 500); },
                 "truncated: the icon directory"},
        IconCase{"image_inside_the_directory",
                 [](Bytes& b) { put_u32(b, kFirstEntry + test::kIcoEntryOffsetAt, 10); },
                 "icon image 1 of 2 starts inside the icon directory"},
        IconCase{"image_beyond_the_file",
                 [](Bytes& b) { put_u32(b, kSecondEntry + test::kIcoEntrySizeAt, 0xFFFFFF00u); },
                 "truncated: the icon image 2 of 2"},
        IconCase{"empty_image",
                 [](Bytes& b) { put_u32(b, kFirstEntry + test::kIcoEntrySizeAt, 0); },
                 "icon image 1 of 2 is empty"},
        IconCase{"small_bitmap_header", [](Bytes& b) { put_u32(b, kFirstImage, 12); },
                 "icon image 1 of 2: a bitmap header of 12 bytes is too small"},
        IconCase{"bitmap_header_beyond_the_image", [](Bytes& b) { put_u32(b, kFirstImage, 5000); },
                 "truncated: the bitmap header"},
        IconCase{"sixteen_bits", [](Bytes& b) { put_u16(b, kFirstImage + test::kDibBitsAt, 16); },
                 "16 bits per pixel is not supported"},
        IconCase{"compressed",
                 [](Bytes& b) { put_u32(b, kFirstImage + test::kDibCompressionAt, 2); },
                 "compression 2 is not supported"},
        IconCase{"palette_too_large",
                 [](Bytes& b) { put_u32(b, kFirstImage + test::kDibColoursUsedAt, 17); },
                 "a palette of 17 colours is too large for 4 bits per pixel"},
        IconCase{"colour_outside_the_palette", [](Bytes& b) { b[kFirstPixels] = 0xFF; },
                 "a pixel uses colour 15 of a palette of 3"},
        IconCase{"zero_width", [](Bytes& b) { put_u32(b, kFirstImage + test::kDibWidthAt, 0); },
                 "bad size 0x16"},
        IconCase{"one_row", [](Bytes& b) { put_u32(b, kFirstImage + test::kDibHeightAt, 1); },
                 "bad size 8x1"},
        IconCase{"too_large", [](Bytes& b) { put_u32(b, kFirstImage + test::kDibWidthAt, 5000); },
                 "larger than 4096x4096"},
        IconCase{"rows_beyond_the_image",
                 [](Bytes& b) { put_u32(b, kFirstImage + test::kDibHeightAt, 200); },
                 "truncated: the colour bitmap"},
        IconCase{"png_too_large",
                 [](Bytes& b) {
                   const std::size_t png = b.size() - 1;  // find the PNG's header chunk
                   for (std::size_t i = 0; i < png; ++i) {
                     if (b[i] == 'I' && b[i + 1] == 'H' && b[i + 2] == 'D' && b[i + 3] == 'R') {
                       b[i + 4] = 0;
                       b[i + 5] = 0;
                       b[i + 6] = 0x13;  // 5000
                       b[i + 7] = 0x88;
                       return;
                     }
                   }
                 },
                 "PNG size 5000x8 is larger than 4096x4096"},
        IconCase{"png_data_damaged", [](Bytes& b) { b[b.size() - 20] ^= 0x55; }, "bad PNG"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(IconDecoder, RefusesPaletteImagesWithoutTheirMask) {
  const IconImage image{.picture = icon_picture(8, 3), .bits_per_pixel = 8, .omit_mask = true};
  EXPECT_TRUE(raises_decode_error([&] { decode_icon_image(build_ico({image}), "m.ico", 0); },
                                  "m.ico", "truncated: the transparency mask"));
}

}  // namespace
}  // namespace tessivar::ui
