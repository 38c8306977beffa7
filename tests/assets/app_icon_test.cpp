// The application icon and the splash window's placeholder logo: the images, their order and
// depths, and transparency masks that follow the drawn shape at every depth.
#include <gtest/gtest.h>

#include <algorithm>

#include "assets/embedded_assets.h"
#include "picture_headers.h"
#include "ui/picture/picture_decoder.h"

namespace tessivar::assets::testing {
namespace {

struct IconImageRow {
  int size;
  int bits_per_pixel;
};

// The stored order: the 16-colour images, the 256-colour images, then those with alpha.
// clang-format off
constexpr IconImageRow kAppIconImages[] = {
    {48, 4},   {32, 4},  {16, 4},
    {48, 8},   {32, 8},  {16, 8},
    {128, 32}, {64, 32}, {48, 32}, {32, 32}, {24, 32}, {16, 32},
};
// clang-format on

void expect_bitmap_entry(const IconEntry& entry, const IconImageRow& row, std::size_t index) {
  SCOPED_TRACE(::testing::Message() << "image " << index);
  EXPECT_FALSE(entry.png);
  EXPECT_EQ(entry.width, row.size);
  EXPECT_EQ(entry.height, row.size);
  EXPECT_EQ(entry.bits_per_pixel, row.bits_per_pixel);
  EXPECT_EQ(entry.colour_count, row.bits_per_pixel == 4 ? 16 : 0);
  EXPECT_EQ(entry.dib_width, row.size);
  EXPECT_EQ(entry.dib_height, 2 * row.size);  // colour rows and mask rows
  EXPECT_EQ(entry.dib_bits_per_pixel, row.bits_per_pixel);
  EXPECT_EQ(entry.dib_compression, 0u);
  EXPECT_TRUE(entry.mask_fits) << "header, palette, colour rows and AND mask fill the entry";
}

TEST(AppIcon, StoresTwelveBitmapsInOrder) {
  const auto entries = read_icon_entries(app_icon);
  ASSERT_EQ(entries.size(), std::size(kAppIconImages));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    expect_bitmap_entry(entries[i], kAppIconImages[i], i);
  }

  const auto listed = ui::read_icon_directory(app_icon, "app-icon.ico");
  ASSERT_EQ(listed.size(), std::size(kAppIconImages));
  for (std::size_t i = 0; i < listed.size(); ++i) {
    EXPECT_EQ(listed[i].width, kAppIconImages[i].size) << "image " << i;
    EXPECT_EQ(listed[i].bits_per_pixel, kAppIconImages[i].bits_per_pixel) << "image " << i;
    EXPECT_FALSE(listed[i].png) << "image " << i;
  }
}

TEST(AppIcon, MaskFollowsTheFlagAtEveryDepth) {
  const auto entries = read_icon_entries(app_icon);
  ASSERT_EQ(entries.size(), std::size(kAppIconImages));
  // Image indices of the same size at 4, 8 and 32 bits.
  const struct {
    int size;
    std::size_t four, eight, thirty_two;
  } sizes[] = {{48, 0, 3, 8}, {32, 1, 4, 9}, {16, 2, 5, 11}};
  for (const auto& s : sizes) {
    SCOPED_TRACE(::testing::Message() << s.size << " pixels");
    const auto& mask = entries[s.thirty_two].transparent;
    const auto opaque = std::count(mask.begin(), mask.end(), false);
    // A flag with a transparent margin: neither empty nor filling the square.
    EXPECT_GT(opaque, static_cast<long>(mask.size() / 3));
    EXPECT_LT(opaque, static_cast<long>(mask.size()));
    EXPECT_EQ(entries[s.four].transparent, mask);
    EXPECT_EQ(entries[s.eight].transparent, mask);

    // What the program decodes agrees: transparent exactly where the mask says.
    for (const std::size_t index : {s.four, s.eight}) {
      const auto bitmap = ui::decode_icon_image(app_icon, "app-icon.ico", index);
      ASSERT_EQ(bitmap.pixels.size(), mask.size());
      for (std::size_t i = 0; i < mask.size(); ++i) {
        ASSERT_EQ(ui::pixel_alpha(bitmap.pixels[i]) == 0, static_cast<bool>(mask[i]))
            << "image " << index << ", pixel " << i;
      }
    }
  }
}

TEST(AppIcon, AlphaImagesHaveSoftEdgesAndAClearMargin) {
  const auto bitmap = ui::decode_icon_image(app_icon, "app-icon.ico", 6);  // 128 pixels
  ASSERT_EQ(bitmap.width, 128);
  EXPECT_EQ(ui::pixel_alpha(bitmap.at(0, 0)), 0);
  EXPECT_EQ(ui::pixel_alpha(bitmap.at(32, 45)), 0xFF);  // inside the top left pane
  const auto partial = std::count_if(bitmap.pixels.begin(), bitmap.pixels.end(), [](ui::Pixel p) {
    return ui::pixel_alpha(p) != 0 && ui::pixel_alpha(p) != 0xFF;
  });
  EXPECT_GT(partial, 100) << "antialiased outline";
}

TEST(PlaceholderLogo, IsOneSixteenColourImageWithAMask) {
  const auto entries = read_icon_entries(splash_placeholder_logo);
  ASSERT_EQ(entries.size(), 1u);
  expect_bitmap_entry(entries[0], {32, 4}, 0);
  const auto& mask = entries[0].transparent;
  EXPECT_TRUE(std::count(mask.begin(), mask.end(), true) > 0);
  EXPECT_TRUE(std::count(mask.begin(), mask.end(), false) > 0);
  const auto bitmap = ui::decode_icon(splash_placeholder_logo, "splash-placeholder-logo.ico", 32);
  EXPECT_EQ(bitmap.width, 32);
  EXPECT_EQ(bitmap.height, 32);
}

}  // namespace
}  // namespace tessivar::assets::testing
