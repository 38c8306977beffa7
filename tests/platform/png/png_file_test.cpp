#include "platform/png/png_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "ui/errors.h"

namespace tessivar::platform {
namespace {

namespace fs = std::filesystem;

// A fresh directory for each test, removed afterwards.
class PngFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device seed;
    directory_ = fs::temp_directory_path() / ("tessivar-png-" + std::to_string(seed()));
    fs::create_directories(directory_);
  }
  void TearDown() override { fs::remove_all(directory_); }

  std::string path(const std::string& name) const { return (directory_ / name).string(); }
  std::size_t files_in_directory() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(directory_), fs::directory_iterator{}));
  }

  fs::path directory_;
};

ui::Bitmap varied_pixels(int width, int height) {
  ui::Bitmap bitmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bitmap.pixels[static_cast<std::size_t>(y) * width + x] =
          ui::make_pixel(static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 13),
                         static_cast<std::uint8_t>(x * y), static_cast<std::uint8_t>(x + y));
  return bitmap;
}

ui::Bitmap opaque(ui::Bitmap bitmap) {
  for (ui::Pixel& p : bitmap.pixels) p |= 0xFF000000u;
  return bitmap;
}

TEST_F(PngFile, RoundTripsColourAndDropsAlpha) {
  const ui::Bitmap pixels = varied_pixels(37, 19);
  write_png_file(path("a.png"), pixels.view());
  const ui::Bitmap read = read_png_file(path("a.png"));
  ASSERT_EQ(read.width, 37);
  ASSERT_EQ(read.height, 19);
  EXPECT_EQ(read.pixels, opaque(pixels).pixels);
}

TEST_F(PngFile, KeepsAlphaWhenAskedForIcons) {
  const ui::Bitmap pixels = varied_pixels(9, 5);
  write_png_file(path("icon.png"), pixels.view(), PngChannels::Rgba);
  EXPECT_EQ(read_png_file(path("icon.png")).pixels, pixels.pixels);
}

TEST_F(PngFile, WritesOnlyTheViewOfALargerSurface) {
  const ui::Bitmap surface = varied_pixels(20, 10);
  const ui::ConstPixelView view{&surface.pixels[3 * 20 + 5], 20, 6, 4};  // (5,3) to (11,7)
  write_png_file(path("part.png"), view);
  const ui::Bitmap read = read_png_file(path("part.png"));
  ASSERT_EQ(read.width, 6);
  ASSERT_EQ(read.height, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(read.at(x, y), view.at(x, y) | 0xFF000000u);
}

TEST_F(PngFile, ReplacesAnExistingFileAndLeavesNothingElse) {
  write_png_file(path("same.png"), varied_pixels(8, 8).view());
  const ui::Bitmap second(3, 2, 0xFF102030u);
  write_png_file(path("same.png"), second.view());
  EXPECT_EQ(read_png_file(path("same.png")).pixels, second.pixels);
  EXPECT_EQ(files_in_directory(), 1u);
}

// Runs `action` and returns the PlatformError's message; fails the test if there is none.
template <typename Action>
std::string platform_error_of(Action&& action) {
  try {
    action();
  } catch (const ui::PlatformError& error) {
    return error.what();
  }
  ADD_FAILURE() << "no PlatformError";
  return {};
}

TEST_F(PngFile, FailuresNameThePathAndTheReasonAndLeaveNoFile) {
  const std::string missing_dir = path("no/such/dir/out.png");
  const std::string message =
      platform_error_of([&] { write_png_file(missing_dir, varied_pixels(4, 4).view()); });
  EXPECT_NE(message.find(missing_dir), std::string::npos) << message;
  EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;

  // A directory where the file should go: the picture is written, then cannot replace it.
  fs::create_directory(path("taken.png"));
  const std::string taken =
      platform_error_of([&] { write_png_file(path("taken.png"), varied_pixels(4, 4).view()); });
  EXPECT_NE(taken.find(path("taken.png")), std::string::npos) << taken;
  EXPECT_EQ(files_in_directory(), 1u) << "the partial file must be removed";

  const ui::Bitmap none;
  EXPECT_NE(platform_error_of([&] {
              write_png_file(path("empty.png"), none.view());
            }).find("has no pixels"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(path("empty.png")));
}

TEST_F(PngFile, ReadingRefusesMissingAndForeignFiles) {
  const std::string missing = platform_error_of([&] { read_png_file(path("none.png")); });
  EXPECT_NE(missing.find(path("none.png")), std::string::npos) << missing;
  EXPECT_NE(missing.find("No such file or directory"), std::string::npos) << missing;

  std::ofstream(path("text.png")) << "not a picture at all";
  const std::string foreign = platform_error_of([&] { read_png_file(path("text.png")); });
  EXPECT_NE(foreign.find(path("text.png") + "\": not a PNG file"), std::string::npos) << foreign;

  write_png_file(path("cut.png"), varied_pixels(30, 30).view());
  fs::resize_file(path("cut.png"), fs::file_size(path("cut.png")) / 2);
  EXPECT_NE(platform_error_of([&] { read_png_file(path("cut.png")); }).find(path("cut.png")),
            std::string::npos);
}

}  // namespace
}  // namespace tessivar::platform
