// Screenshots compared against committed reference images, with a small tolerance for
// anti-aliasing. With TESSIVAR_UPDATE_REFERENCES=1 in the environment the references are
// written anew instead; look at them before committing.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/png/png_file.h"
#include "ui/pixels.h"

namespace tessivar::testing {

inline std::filesystem::path reference_path(const std::string& name) {
  return std::filesystem::path(TESSIVAR_REFERENCE_DIR) / (name + ".png");
}

// Every channel of at least 99.5% of the pixels within 24 of the reference, and the sizes equal.
inline void expect_matches_reference(const ui::Bitmap& shot, const std::string& name) {
  const std::filesystem::path reference = reference_path(name);
  // The actual picture is always kept beside the test, for a person to look at.
  platform::write_png_file(std::filesystem::current_path() / (name + ".actual.png"), shot.view());
  if (const char* update = std::getenv("TESSIVAR_UPDATE_REFERENCES"); update && *update == '1') {
    platform::write_png_file(reference, shot.view());
    return;
  }
  ASSERT_TRUE(std::filesystem::exists(reference)) << reference << " is missing";
  const ui::Bitmap expected = platform::read_png_file(reference);
  ASSERT_EQ(expected.width, shot.width) << name;
  ASSERT_EQ(expected.height, shot.height) << name;
  long different = 0;
  for (std::size_t i = 0; i < shot.pixels.size(); ++i) {
    const ui::Pixel a = shot.pixels[i], b = expected.pixels[i];
    const auto diff = [](int x, int y) { return x > y ? x - y : y - x; };
    if (diff(ui::pixel_red(a), ui::pixel_red(b)) > 24 ||
        diff(ui::pixel_green(a), ui::pixel_green(b)) > 24 ||
        diff(ui::pixel_blue(a), ui::pixel_blue(b)) > 24) {
      ++different;
    }
  }
  EXPECT_LE(different, static_cast<long>(shot.pixels.size() / 200))
      << name << ": " << different << " pixels differ from " << reference;
}

}  // namespace tessivar::testing
