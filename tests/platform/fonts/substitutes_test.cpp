#include "platform/fonts/substitutes.h"

#include <gtest/gtest.h>

#include "font_test_support.h"

namespace tessivar::fonts {
namespace {

using test_support::shared_engine;

struct ChoiceCase {
  const char* face;
  std::int16_t weight;
  bool italic;
  const char* family;
  const char* style;  // null: any style
  bool synthetic_bold;
  bool synthetic_oblique;
};

// Every face and weight the windows name, as they resolve on a machine with the project's font
// packages and none of the Windows faces.
TEST(Substitutes, ResolveEachWindowsFaceToItsStandIn) {
  // clang-format off
  const ChoiceCase cases[] = {
      // face                weight italic  family             style       bold   oblique
      {"Segoe UI",           400, false,  "Open Sans",       "Regular",  false, false},
      {"Segoe UI Semilight", 400, false,  "Open Sans",       "Light",    false, false},
      {"Segoe UI Semilight", 700, false,  "Open Sans",       "Semibold", false, false},
      {"MS Sans Serif",      700, false,  "Liberation Sans", "Bold",     false, false},
      {"Arial",              400, false,  "Liberation Sans", "Regular",  false, false},
      {"Arial",              700, false,  "Liberation Sans", "Bold",     false, false},
      {"Arial",              400, true,   "Liberation Sans", "Italic",   false, false},
      {"Merienda",           700, false,  "Dancing Script",  "Bold",     false, false},
      {"Consolas",           400, false,  "Inconsolata",     nullptr,    false, false},
      {"Consolas",           700, false,  "Inconsolata",     nullptr,    true,  false},
      {"Consolas",           400, true,   "Inconsolata",     nullptr,    false, true},
      {"Calibri",            700, false,  "Carlito",         "Bold",     false, false},
      {"segoe ui",           400, false,  "Open Sans",       "Regular",  false, false},
      {"Segoe UI",           0,   false,  "Open Sans",       "Regular",  false, false},
  };
  // clang-format on
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.weight) +
                 (c.italic ? " italic" : ""));
    const auto choice = shared_engine().choose(
        {.face = c.face, .points = 12, .weight = c.weight, .italic = c.italic});
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->family, c.family);
    if (c.style != nullptr) {
      EXPECT_EQ(choice->style, c.style);
    }
    EXPECT_EQ(choice->synthetic_bold, c.synthetic_bold);
    EXPECT_EQ(choice->synthetic_oblique, c.synthetic_oblique);
  }
}

TEST(Substitutes, AnInstalledFaceIsUsedAsNamed) {
  const auto choice = shared_engine().choose({.face = "DejaVu Sans Mono", .points = 12});
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->family, "DejaVu Sans Mono");
}

TEST(Substitutes, AnUnknownFaceGetsTheNearestInstalledFont) {
  const ui::FontSpec unknown{.face = "No Such Face Anywhere", .points = 12};
  const auto choice = shared_engine().choose(unknown);
  ASSERT_TRUE(choice.has_value());
  EXPECT_FALSE(choice->family.empty());
  EXPECT_GT(shared_engine().open(unknown)->measure("Tessivar"), 0);
}

}  // namespace
}  // namespace tessivar::fonts
