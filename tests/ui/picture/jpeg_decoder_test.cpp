#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/ui/picture/support/decode_error_check.h"
#include "tests/ui/picture/support/jpeg_encoder.h"
#include "tests/ui/picture/support/kept_pixels.h"
#include "tests/ui/picture/support/synthetic_pictures.h"
#include "ui/picture/picture_decoder.h"

namespace tessivar::ui {
namespace {

using test::encode_jpeg;
using test::JpegEncoding;
using test::raises_decode_error;
using Bytes = std::vector<std::uint8_t>;

constexpr Size kWhole{100000, 100000};

Bitmap top_left(const Bitmap& whole, int width, int height) {
  Bitmap part(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      part.pixels[static_cast<std::size_t>(y) * width + x] = whole.at(x, y);
  return part;
}

// The offset of the first marker FF `code`, or the size when there is none.
std::size_t find_marker(const Bytes& bytes, std::uint8_t code) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && bytes[i + 1] == code) return i;
  return bytes.size();
}

void put_u16_big_endian(Bytes& bytes, std::size_t at, std::uint16_t value) {
  bytes.at(at) = static_cast<std::uint8_t>(value >> 8);
  bytes.at(at + 1) = static_cast<std::uint8_t>(value);
}

TEST(JpegDecoder, DecodesColoursWithAlphaOpaque) {
  // Four flat quadrants, each a whole number of blocks, so lossy coding keeps them flat.
  const Pixel colours[4] = {make_pixel(200, 30, 40), make_pixel(20, 180, 60),
                            make_pixel(30, 50, 210), make_pixel(128, 128, 128)};
  Bitmap picture(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) picture.pixels[y * 32 + x] = colours[(y / 16) * 2 + x / 16];

  const Bitmap decoded = decode_jpeg(
      encode_jpeg(picture, {.quality = 95, .luma_h = 1, .luma_v = 1}), "quads.jpg", kWhole);

  ASSERT_EQ(decoded.width, 32);
  ASSERT_EQ(decoded.height, 32);
  for (Pixel p : decoded.pixels) ASSERT_EQ(pixel_alpha(p), 0xFF);
  for (int quadrant = 0; quadrant < 4; ++quadrant) {
    const Pixel got = decoded.at((quadrant % 2) * 16 + 8, (quadrant / 2) * 16 + 8);
    const Pixel want = colours[quadrant];
    SCOPED_TRACE(quadrant);
    EXPECT_NEAR(pixel_red(got), pixel_red(want), 6);
    EXPECT_NEAR(pixel_green(got), pixel_green(want), 6);
    EXPECT_NEAR(pixel_blue(got), pixel_blue(want), 6);
  }
}

TEST(JpegDecoder, ProgressiveDecodesToTheSamePixelsAsBaseline) {
  // Progressive coding only reorders the same quantised coefficients, so once every scan is in
  // the pictures must agree to the bit.
  const Bitmap picture = test::make_photo_like(83, 61);
  const Bitmap baseline = decode_jpeg(encode_jpeg(picture), "baseline.jpg", kWhole);
  const Bitmap progressive =
      decode_jpeg(encode_jpeg(picture, {.progressive = true}), "progressive.jpg", kWhole);
  ASSERT_EQ(progressive.width, 83);
  ASSERT_EQ(progressive.height, 61);
  EXPECT_EQ(progressive.pixels, baseline.pixels);
}

TEST(JpegDecoder, GreyPicturesComeOutAsGreyRgb) {
  const Bitmap decoded =
      decode_jpeg(encode_jpeg(test::make_pattern(20, 10), {.grey = true}), "grey.jpg", kWhole);
  ASSERT_EQ(decoded.width, 20);
  for (Pixel p : decoded.pixels) {
    ASSERT_EQ(pixel_red(p), pixel_green(p));
    ASSERT_EQ(pixel_green(p), pixel_blue(p));
    ASSERT_EQ(pixel_alpha(p), 0xFF);
  }
}

struct RegionCase {
  const char* label;
  JpegEncoding encoding;
};

class JpegRegion : public ::testing::TestWithParam<RegionCase> {};

// Decoding only the visible top-left part must give exactly those pixels of the whole decode:
// cropping may not shift, resample or smear the columns and rows at its edges. The same holds
// for a picture scaled up by the inverse transform (12 and 16 eighths: 150% and 200%), where the
// visible part is counted in the scaled picture's pixels. Kept at three bytes a pixel, the part
// has the very same colours.
TEST_P(JpegRegion, IsExactlyTheTopLeftOfTheWholeDecode) {
  // Eight strips of 16 rows, so that a progressive decode has hidden rows to leave out of its
  // scans for most of the visible sizes.
  const Bytes file = encode_jpeg(test::make_photo_like(75, 120), GetParam().encoding);
  for (const int eighths : {8, 12, 16}) {
    SCOPED_TRACE(std::to_string(eighths) + " eighths");
    const Bitmap whole = decode_jpeg(file, "region.jpg", kWhole, eighths);
    const int whole_width = (75 * eighths + 7) / 8, whole_height = (120 * eighths + 7) / 8;
    ASSERT_EQ(whole.width, whole_width);
    ASSERT_EQ(whole.height, whole_height);

    const Size visible_sizes[] = {{1, 1},   {17, 9},  {16, 16},  {33, 50},  {75, 21},
                                  {74, 49}, {75, 70}, {75, 97},  {75, 120}, {80, 130},
                                  {9, 200}, {whole_width - 1, whole_height - 3}};
    for (const Size visible : visible_sizes) {
      SCOPED_TRACE(std::to_string(visible.width) + "x" + std::to_string(visible.height));
      const Bitmap part = decode_jpeg(file, "region.jpg", visible, eighths);
      const int width = std::min(visible.width, whole_width);
      const int height = std::min(visible.height, whole_height);
      ASSERT_EQ(part.width, width);
      ASSERT_EQ(part.height, height);
      EXPECT_EQ(part.pixels, top_left(whole, width, height).pixels);
      EXPECT_EQ(test::pixels_of(decode_jpeg_opaque(file, "region.jpg", visible, eighths)).pixels,
                part.pixels);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, JpegRegion,
    ::testing::Values(RegionCase{"baseline420", {}},
                      RegionCase{"baseline444", {.luma_h = 1, .luma_v = 1}},
                      RegionCase{"baseline422", {.luma_h = 2, .luma_v = 1}},
                      RegionCase{"progressive420", {.progressive = true}},
                      RegionCase{"progressive444", {.progressive = true, .luma_h = 1, .luma_v = 1}},
                      RegionCase{"grey", {.grey = true}},
                      RegionCase{"restarts", {.restart_rows = 1}},
                      RegionCase{"progressive_restarts", {.progressive = true, .restart_rows = 1}},
                      RegionCase{"progressive_partial", {.scan_script = test::ScanScript::Partial}},
                      RegionCase{"progressive_back_to_back_restarts",
                                 {.restart_rows = 1, .scan_script = test::ScanScript::BackToBack}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(JpegDecoder, NothingVisibleGivesAnEmptyBitmapAfterCheckingTheHeader) {
  const Bytes file = encode_jpeg(test::make_pattern(8, 8));
  EXPECT_TRUE(decode_jpeg(file, "a.jpg", {0, 8}).empty());
  EXPECT_TRUE(decode_jpeg(file, "a.jpg", {-5, -5}).empty());
  EXPECT_TRUE(decode_jpeg_opaque(file, "a.jpg", {0, 8}).empty());
  EXPECT_TRUE(raises_decode_error(
      [&] {
        decode_jpeg(Bytes(file.begin(), file.begin() + 3), "a.jpg", {0, 0});
      },
      "a.jpg"));
}

TEST(JpegDecoder, EveryTruncationIsRefused) {
  for (const bool progressive : {false, true}) {
    const Bytes file = encode_jpeg(test::make_pattern(40, 64), {.progressive = progressive});
    for (std::size_t length = 0; length < file.size(); ++length) {
      SCOPED_TRACE((progressive ? "progressive, " : "baseline, ") + std::to_string(length) +
                   " of " + std::to_string(file.size()) + " bytes");
      const Bytes truncated(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
      ASSERT_TRUE(
          raises_decode_error([&] { decode_jpeg(truncated, "cut.jpg", kWhole); }, "cut.jpg"));
      // A progressive picture is read to its end even when the scans' hidden rows are left
      // out, so damage anywhere still shows.
      if (progressive) {
        ASSERT_TRUE(raises_decode_error(
            [&] {
              decode_jpeg(truncated, "cut.jpg", {8, 8});
            },
            "cut.jpg"));
      }
    }
  }
}

struct CorruptCase {
  const char* label;
  Bytes (*damage)(Bytes);
  const char* detail;
};

class JpegCorrupt : public ::testing::TestWithParam<CorruptCase> {};

TEST_P(JpegCorrupt, RaisesDecodeErrorSayingWhy) {
  const Bytes file = GetParam().damage(encode_jpeg(test::make_pattern(40, 24)));
  EXPECT_TRUE(raises_decode_error([&] { decode_jpeg(file, "bad.jpg", kWhole); }, "bad.jpg",
                                  GetParam().detail));
  EXPECT_TRUE(raises_decode_error([&] { read_picture_info(file, "bad.jpg"); }, "bad.jpg"))
      << "header-level damage should already show when reading the facts";
}

// Damage that a header read alone already finds, so both calls above must refuse it.
INSTANTIATE_TEST_SUITE_P(
    Damage, JpegCorrupt,
    ::testing::Values(CorruptCase{"empty", [](Bytes) { return Bytes{}; }, ""},
                      CorruptCase{"start_marker_only",
                                  [](Bytes) {
                                    return Bytes{0xFF, 0xD8};
                                  },
                                  ""},
                      CorruptCase{"not_a_jpeg",
                                  [](Bytes b) {
                                    b[0] = 'G';
                                    return b;
                                  },
                                  "bad JPEG"},
                      CorruptCase{"zero_width",
                                  [](Bytes b) {
                                    put_u16_big_endian(b, find_marker(b, 0xC0) + 7, 0);
                                    return b;
                                  },
                                  "bad JPEG"},
                      CorruptCase{"larger_than_the_limit",
                                  [](Bytes b) {
                                    put_u16_big_endian(b, find_marker(b, 0xC0) + 5, 20000);
                                    put_u16_big_endian(b, find_marker(b, 0xC0) + 7, 20000);
                                    return b;
                                  },
                                  "larger than 16384x16384"},
                      CorruptCase{"cmyk",
                                  [](Bytes) {
                                    return encode_jpeg(test::make_pattern(8, 8), {.cmyk = true});
                                  },
                                  "CMYK"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(JpegDecoder, DamagedScanDataIsRefused) {
  // A marker in the middle of the entropy-coded data: libjpeg would fill the rest with grey.
  Bytes file = encode_jpeg(test::make_photo_like(64, 64));
  const std::size_t scan = find_marker(file, 0xDA);
  const std::size_t middle = scan + (file.size() - scan) / 2;
  file[middle] = 0xFF;
  file[middle + 1] = 0xD9;
  EXPECT_TRUE(raises_decode_error([&] { decode_jpeg(file, "marker.jpg", kWhole); }, "marker.jpg",
                                  "Corrupt JPEG data"));
  EXPECT_TRUE(raises_decode_error([&] { decode_jpeg_opaque(file, "marker.jpg", kWhole); },
                                  "marker.jpg", "Corrupt JPEG data"));
}

TEST(JpegDecoder, RefusesAProgressivePictureThatWouldNeedTooMuchMemory) {
  // A progressive decoder keeps every coefficient of the rows it decodes: all of a 16000x16000
  // picture would take three quarters of a gigabyte before the (missing) data is even looked at.
  Bytes file = encode_jpeg(test::make_pattern(16, 16), {.progressive = true});
  put_u16_big_endian(file, find_marker(file, 0xC2) + 5, 16000);
  put_u16_big_endian(file, find_marker(file, 0xC2) + 7, 16000);
  EXPECT_TRUE(raises_decode_error(
      [&] {
        decode_jpeg(file, "huge.jpg", {16000, 16000});
      },
      "huge.jpg", "MiB of working memory"));
  // Only the visible top is kept: the same picture seen through a small window gets as far as
  // its missing data.
  EXPECT_TRUE(raises_decode_error([&] { decode_jpeg(file, "huge.jpg", {100, 100}); }, "huge.jpg",
                                  "bad JPEG"));
}

TEST(JpegDecoder, ReadsFactsFromTheHeaders) {
  const Bitmap picture = test::make_pattern(37, 21);
  const PictureInfo baseline = read_picture_info(encode_jpeg(picture), "b.jpg");
  EXPECT_EQ(baseline.format, PictureFormat::Jpeg);
  EXPECT_EQ(baseline.width, 37);
  EXPECT_EQ(baseline.height, 21);
  EXPECT_EQ(baseline.bits_per_pixel, 24);
  EXPECT_FALSE(baseline.progressive);

  EXPECT_TRUE(read_picture_info(encode_jpeg(picture, {.progressive = true}), "p.jpg").progressive);
  EXPECT_EQ(read_picture_info(encode_jpeg(picture, {.grey = true}), "g.jpg").bits_per_pixel, 8);
}

}  // namespace
}  // namespace tessivar::ui
