// Every embedded picture: present once, of the right format, size and depth by two readings
// of its header, decodable by the program's own decoders at its natural size, and each tile
// showing its field colour.
#include "assets/embedded_assets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "expected_pictures.h"
#include "picture_headers.h"
#include "ui/picture/picture_decoder.h"

namespace tessivar::assets::testing {
namespace {

using ui::PictureFormat;

std::string test_name(std::string_view file) {
  std::string name(file);
  std::replace_if(
      name.begin(), name.end(), [](char c) { return c == '-' || c == '.'; }, '_');
  return name;
}

TEST(EmbeddedAssets, TableHoldsEveryPictureOnceAndNothingElse) {
  const auto table = all();
  EXPECT_EQ(table.size(), expected_pictures().size());
  for (const auto& expected : expected_pictures()) {
    const auto copies = std::count_if(table.begin(), table.end(), [&](const EmbeddedAsset& a) {
      return a.file_name == expected.file;
    });
    EXPECT_EQ(copies, 1) << expected.file;
  }
}

TEST(EmbeddedAssets, NamedSpansAreTheFilesOfTheTable) {
  // The name of each span is the file's stem with '-' turned into '_'.
  const struct {
    std::span<const std::uint8_t> span;
    std::string_view file;
  } cases[] = {
      {tile_cmd, "tile-cmd.jpg"},
      {wide_clock, "wide-clock.bmp"},
      {tile_sys_proprty, "tile-sys-proprty.jpg"},
      {start_wallpaper, "start-wallpaper.jpg"},
      {app_icon, "app-icon.ico"},
      {splash_placeholder_logo, "splash-placeholder-logo.ico"},
      {about_banner, "about-banner.jpg"},
  };
  for (const auto& c : cases) {
    const auto bytes = asset_bytes(c.file);
    EXPECT_EQ(c.span.data(), bytes.data()) << c.file;
    EXPECT_EQ(c.span.size(), bytes.size()) << c.file;
  }
}

class EveryPicture : public ::testing::TestWithParam<ExpectedPicture> {};

TEST_P(EveryPicture, HeaderGivesFormatSizeAndDepth) {
  const auto& expected = GetParam();
  const auto bytes = asset_bytes(expected.file);

  const auto facts = read_header_facts(bytes);
  ASSERT_TRUE(facts.has_value()) << "not a JPEG, BMP or ICO we can read";
  EXPECT_EQ(facts->width, expected.width);
  EXPECT_EQ(facts->height, expected.height);  // and a positive BMP height: rows bottom-up
  EXPECT_EQ(facts->bits_per_pixel, expected.bits_per_pixel);
  EXPECT_EQ(facts->progressive, expected.progressive);
  EXPECT_FALSE(facts->compressed);

  const auto info = ui::read_picture_info(bytes, expected.file);
  EXPECT_EQ(info.format, expected.format);
  EXPECT_EQ(info.width, expected.width);
  EXPECT_EQ(info.height, expected.height);
  EXPECT_EQ(info.bits_per_pixel, expected.bits_per_pixel);
  EXPECT_EQ(info.progressive, expected.progressive);
}

TEST_P(EveryPicture, DecodesWholeAtItsNaturalSize) {
  const auto& expected = GetParam();
  const auto bytes = asset_bytes(expected.file);
  if (expected.format == PictureFormat::Ico) {
    const auto images = ui::read_icon_directory(bytes, expected.file);
    for (std::size_t i = 0; i < images.size(); ++i) {
      const auto bitmap = ui::decode_icon_image(bytes, expected.file, i);
      EXPECT_EQ(bitmap.width, images[i].width) << "image " << i;
      EXPECT_EQ(bitmap.height, images[i].height) << "image " << i;
    }
    return;
  }
  const auto bitmap =
      ui::decode_picture(bytes, expected.file, ui::Size{expected.width, expected.height});
  ASSERT_EQ(bitmap.width, expected.width);
  ASSERT_EQ(bitmap.height, expected.height);
  // JPEG and BMP carry no transparency.
  EXPECT_TRUE(std::all_of(bitmap.pixels.begin(), bitmap.pixels.end(),
                          [](ui::Pixel p) { return ui::pixel_alpha(p) == 0xFF; }));
}

INSTANTIATE_TEST_SUITE_P(Assets, EveryPicture, ::testing::ValuesIn(expected_pictures()),
                         [](const auto& info) { return test_name(info.param.file); });

// -- tiles ------------------------------------------------------------------------------------

int channel_distance(ui::Pixel pixel, std::uint32_t rgb) {
  const int dr = std::abs(ui::pixel_red(pixel) - static_cast<int>((rgb >> 16) & 0xFF));
  const int dg = std::abs(ui::pixel_green(pixel) - static_cast<int>((rgb >> 8) & 0xFF));
  const int db = std::abs(ui::pixel_blue(pixel) - static_cast<int>(rgb & 0xFF));
  return std::max({dr, dg, db});
}

class EveryTile : public ::testing::TestWithParam<ExpectedTile> {};

TEST_P(EveryTile, CornersShowTheFieldColour) {
  const auto& tile = GetParam();
  const bool lossless = tile.file.ends_with(".bmp");
  const auto bitmap = ui::decode_picture(asset_bytes(tile.file), tile.file, ui::Size{161, 72});
  ASSERT_FALSE(bitmap.empty());
  // A JPEG's flat field comes back within a few levels of what was encoded.
  const int tolerance = lossless ? 0 : 3;
  const int right = bitmap.width - 2;
  const int bottom = bitmap.height - 2;
  for (const auto& [x, y] : {std::pair{1, 1}, {right, 1}, {1, bottom}, {right, bottom}}) {
    const auto pixel = bitmap.at(x, y);
    EXPECT_LE(channel_distance(pixel, tile.background), tolerance)
        << "at (" << x << ", " << y << ") found 0x" << std::hex << (pixel & 0xFFFFFF);
  }
}

TEST_P(EveryTile, CarriesAWhiteGlyphOrCaptionUnlessItIsTheClocksField) {
  const auto& tile = GetParam();
  const auto bitmap = ui::decode_picture(asset_bytes(tile.file), tile.file, ui::Size{161, 72});
  const auto white = std::count_if(bitmap.pixels.begin(), bitmap.pixels.end(),
                                   [](ui::Pixel p) { return channel_distance(p, 0xFFFFFF) <= 16; });
  if (tile.file == "wide-clock.bmp") {
    EXPECT_EQ(white, 0) << "the clock's labels are drawn over a plain field";
  } else {
    // Even the shortest caption alone covers a few dozen white pixels.
    EXPECT_GE(white, 40);
  }
}

INSTANTIATE_TEST_SUITE_P(Assets, EveryTile, ::testing::ValuesIn(expected_tiles()),
                         [](const auto& info) { return test_name(info.param.file); });

TEST(ClockTile, IsOnePlainField) {
  const auto bitmap = ui::decode_picture(wide_clock, "wide-clock.bmp", ui::Size{161, 71});
  ASSERT_EQ(bitmap.pixels.size(), 161u * 71u);
  EXPECT_TRUE(std::all_of(bitmap.pixels.begin(), bitmap.pixels.end(),
                          [](ui::Pixel p) { return p == ui::make_pixel(0, 128, 192); }));
}

// -- the splash picture -------------------------------------------------------------------------

TEST(SplashPicture, LimeFieldDownToRow273ThenADarkStrip) {
  const auto bitmap = ui::decode_picture(splash_picture, "splash-picture.bmp", {570, 301});
  ASSERT_EQ(bitmap.height, 301);
  const ui::Pixel lime = ui::make_pixel(0x7C, 0xC6, 0x23);
  // The field's columns on either side of the wordmark, top to bottom of the field.
  for (int y = 0; y <= 273; ++y) {
    for (int x : {0, 60, 540, 569}) ASSERT_EQ(bitmap.at(x, y), lime) << x << ", " << y;
  }
  for (int y = 274; y <= 300; ++y) {
    for (int x = 0; x < bitmap.width; ++x) {
      const auto p = bitmap.at(x, y);
      ASSERT_LT(ui::pixel_red(p) + ui::pixel_green(p) + ui::pixel_blue(p), 3 * 130)
          << x << ", " << y;
    }
  }
}

}  // namespace
}  // namespace tessivar::assets::testing
