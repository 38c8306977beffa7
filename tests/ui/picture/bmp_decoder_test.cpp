#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "tests/ui/picture/support/decode_error_check.h"
#include "tests/ui/picture/support/kept_pixels.h"
#include "tests/ui/picture/support/synthetic_pictures.h"
#include "tests/ui/picture/support/windows_picture_builders.h"
#include "ui/picture/picture_decoder.h"

namespace tessivar::ui {
namespace {

using test::BmpLayout;
using test::build_bmp;
using test::Bytes;
using test::put_u16;
using test::put_u32;
using test::raises_decode_error;

constexpr Size kWhole{100000, 100000};

TEST(BmpDecoder, DecodesEveryRowPaddingInBothRowOrders) {
  // Widths 1 to 5 cover every amount of row padding (3, 2, 1, 0 bytes); kept at three bytes a
  // pixel, the colours are the same.
  for (int width = 1; width <= 5; ++width) {
    for (const bool top_down : {false, true}) {
      SCOPED_TRACE("width " + std::to_string(width) + (top_down ? ", top-down" : ", bottom-up"));
      const Bitmap picture = test::make_pattern(width, 4);
      const Bytes file = build_bmp(picture, {.top_down = top_down});
      const Bitmap decoded = decode_bmp(file, "rows.bmp", kWhole);
      ASSERT_EQ(decoded.width, width);
      ASSERT_EQ(decoded.height, 4);
      EXPECT_EQ(decoded.pixels, picture.pixels);
      EXPECT_EQ(test::pixels_of(decode_bmp_opaque(file, "rows.bmp", kWhole)).pixels,
                picture.pixels);
    }
  }
}

TEST(BmpDecoder, ReadsEveryHeaderVersionAlike) {
  const Bitmap picture = test::make_pattern(6, 3);
  for (const int header_size : {12, 40, 52, 56, 108, 124}) {
    SCOPED_TRACE(header_size);
    EXPECT_EQ(
        decode_bmp(build_bmp(picture, {.info_header_size = header_size}), "h.bmp", kWhole).pixels,
        picture.pixels);
  }
}

TEST(BmpDecoder, VisibleRegionIsTheTopLeftInBothRowOrders) {
  const Bitmap picture = test::make_pattern(7, 5);
  for (const bool top_down : {false, true}) {
    SCOPED_TRACE(top_down ? "top-down" : "bottom-up");
    const Bytes file = build_bmp(picture, {.top_down = top_down});
    const Bitmap part = decode_bmp(file, "r.bmp", {3, 2});
    ASSERT_EQ(part.width, 3);
    ASSERT_EQ(part.height, 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) EXPECT_EQ(part.at(x, y), picture.at(x, y)) << x << "," << y;
    EXPECT_EQ(test::pixels_of(decode_bmp_opaque(file, "r.bmp", {3, 2})).pixels, part.pixels);
  }
  EXPECT_TRUE(decode_bmp(build_bmp(picture), "r.bmp", {0, 0}).empty());
}

TEST(BmpDecoder, RefusesOtherFiles) {
  Bytes file = build_bmp(test::make_pattern(2, 2));
  file[1] = 'X';
  EXPECT_TRUE(raises_decode_error([&] { decode_bmp(file, "x.bmp", kWhole); }, "x.bmp",
                                  "does not start with \"BM\""));
}

TEST(BmpDecoder, AcceptsAMissingPadOnTheLastRowOnly) {
  const Bitmap picture = test::make_pattern(5, 3);  // rows of 15 bytes padded to 16
  Bytes file = build_bmp(picture, {.trim_last_row_padding = true});
  EXPECT_EQ(decode_bmp(file, "trim.bmp", kWhole).pixels, picture.pixels);
  EXPECT_EQ(test::pixels_of(decode_bmp_opaque(file, "trim.bmp", kWhole)).pixels, picture.pixels);
  file.pop_back();
  EXPECT_TRUE(raises_decode_error([&] { decode_bmp(file, "trim.bmp", kWhole); }, "trim.bmp",
                                  "truncated: the pixel data"));
}

TEST(BmpDecoder, EveryTruncationIsRefusedWhateverIsVisible) {
  // Rows of four pixels have no padding, which alone may be missing from the last row.
  const Bytes file = build_bmp(test::make_pattern(4, 3));
  for (std::size_t length = 0; length < file.size(); ++length) {
    SCOPED_TRACE(length);
    const Bytes truncated(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
    ASSERT_TRUE(raises_decode_error([&] { decode_bmp(truncated, "cut.bmp", {1, 1}); }, "cut.bmp"));
    ASSERT_TRUE(raises_decode_error([&] { decode_bmp_opaque(truncated, "cut.bmp", {1, 1}); },
                                    "cut.bmp"));
  }
}

struct BmpCase {
  const char* label;
  void (*damage)(Bytes&);
  const char* detail;
};

class BmpRefused : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpRefused, RaisesDecodeErrorSayingWhy) {
  Bytes file = build_bmp(test::make_pattern(4, 4));
  GetParam().damage(file);
  EXPECT_TRUE(raises_decode_error([&] { decode_bmp(file, "bad.bmp", kWhole); }, "bad.bmp",
                                  GetParam().detail));
  EXPECT_TRUE(raises_decode_error([&] { read_picture_info(file, "bad.bmp"); }, "bad.bmp",
                                  GetParam().detail));
}

INSTANTIATE_TEST_SUITE_P(
    Headers, BmpRefused,
    ::testing::Values(
        BmpCase{"rle8", [](Bytes& b) { put_u32(b, test::kBmpCompressionAt, 1); },
                "compression RLE8 (1) is not supported"},
        BmpCase{"bitfields", [](Bytes& b) { put_u32(b, test::kBmpCompressionAt, 3); },
                "compression BITFIELDS (3) is not supported"},
        BmpCase{"8_bits", [](Bytes& b) { put_u16(b, test::kBmpBitsAt, 8); },
                "8 bits per pixel is not supported"},
        BmpCase{"32_bits", [](Bytes& b) { put_u16(b, test::kBmpBitsAt, 32); },
                "32 bits per pixel is not supported"},
        BmpCase{"unknown_header", [](Bytes& b) { put_u32(b, test::kBmpInfoSizeAt, 20); },
                "unsupported bitmap header of 20 bytes"},
        BmpCase{"huge_header", [](Bytes& b) { put_u32(b, test::kBmpInfoSizeAt, 0xFFFFFFFF); },
                "unsupported bitmap header"},
        BmpCase{"zero_width", [](Bytes& b) { put_u32(b, test::kBmpWidthAt, 0); }, "bad size"},
        BmpCase{"negative_width", [](Bytes& b) { put_u32(b, test::kBmpWidthAt, 0xFFFFFFFC); },
                "bad size"},
        BmpCase{"zero_height", [](Bytes& b) { put_u32(b, test::kBmpHeightAt, 0); }, "bad size"},
        BmpCase{"lowest_height", [](Bytes& b) { put_u32(b, test::kBmpHeightAt, 0x80000000u); },
                "larger than"},
        BmpCase{"too_wide", [](Bytes& b) { put_u32(b, test::kBmpWidthAt, 16385); },
                "larger than 16384x16384"},
        BmpCase{"rows_beyond_the_file", [](Bytes& b) { put_u32(b, test::kBmpHeightAt, 5000); },
                "truncated: the pixel data"},
        BmpCase{"pixels_inside_headers", [](Bytes& b) { put_u32(b, test::kBmpPixelOffsetAt, 20); },
                "points into the headers"},
        BmpCase{"pixels_beyond_the_file",
                [](Bytes& b) { put_u32(b, test::kBmpPixelOffsetAt, 0xFFFFFFF0u); },
                "truncated: the pixel data"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(BmpDecoder, ReadsFactsFromTheHeaders) {
  const PictureInfo info =
      read_picture_info(build_bmp(test::make_pattern(9, 4), {.top_down = true}), "f.bmp");
  EXPECT_EQ(info.format, PictureFormat::Bmp);
  EXPECT_EQ(info.width, 9);
  EXPECT_EQ(info.height, 4);
  EXPECT_EQ(info.bits_per_pixel, 24);
}

}  // namespace
}  // namespace tessivar::ui
