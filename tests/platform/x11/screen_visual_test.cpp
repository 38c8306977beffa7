// Which visual the windows take, on the sets of visuals that X servers offer.
#include <gtest/gtest.h>

#include <vector>

// The Xlib headers come last: their macros (None) collide with GoogleTest's names.
#include "platform/x11/screen_visual.h"

namespace tessivar::x11 {
namespace {

// The offers, by the visuals that servers list.
constexpr VisualOffer rgb565{TrueColor, 16, 0xF800, 0x07E0, 0x001F, 16};
constexpr VisualOffer rgb555{TrueColor, 15, 0x7C00, 0x03E0, 0x001F, 16};
constexpr VisualOffer rgb888{TrueColor, 24, 0xFF0000, 0x00FF00, 0x0000FF, 32};
constexpr VisualOffer rgb888_packed{TrueColor, 24, 0xFF0000, 0x00FF00, 0x0000FF, 24};
constexpr VisualOffer bgr888{TrueColor, 24, 0x0000FF, 0x00FF00, 0xFF0000, 32};
constexpr VisualOffer rgb101010{TrueColor, 30, 0x3FF00000, 0x000FFC00, 0x000003FF, 32};
// A compositor's visual: the top 8 of its 32 planes are alpha.
constexpr VisualOffer argb8888{TrueColor, 32, 0xFF0000, 0x00FF00, 0x0000FF, 32};
constexpr VisualOffer bgr233{TrueColor, 8, 0x07, 0x38, 0xC0, 8};
constexpr VisualOffer palette{PseudoColor, 8, 0, 0, 0, 8};
constexpr VisualOffer direct565{DirectColor, 16, 0xF800, 0x07E0, 0x001F, 16};
constexpr VisualOffer rgb121_in_4_bits{TrueColor, 4, 0x8, 0x6, 0x1, 4};

VisualOffer as_default(VisualOffer offer) {
  offer.is_default = true;
  return offer;
}

struct ChoiceCase {
  const char* name;
  std::vector<VisualOffer> offers;
  int expected;  // the index of the offer taken, -1 for none
};

const ChoiceCase kChoices[] = {
    {"the_default_888_as_today", {as_default(rgb888), direct565}, 0},
    {"888_over_a_16_bit_default", {as_default(rgb565), direct565, rgb888}, 2},
    {"888_over_a_30_bit_default", {as_default(rgb101010), rgb888}, 1},
    {"a_16_bit_screen_alone", {as_default(rgb565), direct565}, 0},
    // Xvfb's 15-bit screen: only the compositor's 32-bit visuals are 8 bits a channel.
    {"555_over_the_alpha_visual", {as_default(rgb555), argb8888, argb8888}, 0},
    {"a_30_bit_screen_alone", {as_default(rgb101010)}, 0},
    {"more_colour_before_the_default", {as_default(rgb565), rgb101010}, 1},
    {"other_888_layouts_tie_to_the_default", {bgr888, as_default(rgb888_packed)}, 1},
    {"the_default_among_equals", {rgb565, as_default(rgb565)}, 1},
    {"a_palette_screen_with_a_true_colour_visual", {as_default(palette), bgr233}, 1},
    {"palette_and_direct_colour_only", {as_default(palette), direct565}, -1},
    {"a_pixel_size_no_image_uses", {as_default(rgb121_in_4_bits)}, -1},
    {"nothing_offered", {}, -1},
};

void PrintTo(const ChoiceCase& c, std::ostream* out) {
  *out << c.name;
}

class ChoiceTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(ChoiceTest, TakesTheBestUsableVisual) {
  const ChoiceCase& c = GetParam();
  const std::optional<std::size_t> chosen = best_visual_offer(c.offers);
  EXPECT_EQ(chosen ? static_cast<int>(*chosen) : -1, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Screens, ChoiceTest, testing::ValuesIn(kChoices),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessivar::x11
