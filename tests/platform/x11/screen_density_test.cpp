#include "platform/x11/screen_density.h"

#include <gtest/gtest.h>

namespace tessivar::x11 {
namespace {

TEST(ScreenDensity, XftDpiFromTheResourcesAndTheStandardDensityOtherwise) {
  const struct {
    const char* resources;
    int dpi;
  } cases[] = {
      {"Xft.dpi:\t192\n", 192},
      {"Xft.antialias:\t1\nXft.dpi:\t144\nXft.hinting:\t1\n", 144},
      {"Xft.dpi: 120.4\n", 120},  // GNOME writes fractions at fractional text scaling
      {"Xft.dpi: 143.6\n", 144},
      {"*.dpi: 120\n", 120},      // a wildcard entry matches too, as Xrm reads it
      {"Xft.antialias: 1\n", 96},
      {"", 96},
      {nullptr, 96},
      {"Xft.dpi: large\n", 96},
      {"Xft.dpi: 0\n", 96},
      {"Xft.dpi: -192\n", 96},
      {"Xft.dpi: 1e300\n", 96},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(dpi_from_resources(c.resources), c.dpi) << (c.resources ? c.resources : "none");
  }
}

}  // namespace
}  // namespace tessivar::x11
