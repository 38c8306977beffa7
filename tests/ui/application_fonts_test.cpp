// The fonts an application's windows name, which a backend chooses before any window needs one.
#include "ui/application_fonts.h"

#include <gtest/gtest.h>

#include <array>

namespace tessivar::ui {
namespace {

constexpr FontSpec kSmall{.face = "MS Sans Serif"};
constexpr FontSpec kBold{.face = "MS Sans Serif", .weight = 700};
constexpr FontSpec kLarge{.face = "Segoe UI", .points = 18};

// clang-format off
const std::array kFirstControls = {
    ControlSpec{.name = "lblA", .container = "frmA", .kind = LabelSpec{.font = kLarge}},
    ControlSpec{.name = "imgA", .container = "frmA", .kind = ImageSpec{}},
    ControlSpec{.name = "lblB", .container = "frmA", .kind = LabelSpec{.font = kLarge}},
    ControlSpec{.name = "fraA", .container = "frmA", .kind = FrameSpec{.font = kBold}},
};
const std::array kSecondControls = {
    ControlSpec{.name = "lblC", .container = "frmB", .kind = LabelSpec{}},
    ControlSpec{.name = "fraB", .container = "frmB", .kind = FrameSpec{.font = kBold}},
};
// clang-format on
const FormSpec kFirst{.name = "frmA", .controls = kFirstControls};
const FormSpec kSecond{.name = "frmB", .controls = kSecondControls};
const std::array kForms = {FormModule{&kFirst, {}}, FormModule{&kSecond, {}}};

TEST(ApplicationFonts, EveryLabelAndFrameFontOnceInTheOrderFirstNamed) {
  const ApplicationSpec application{.forms = kForms, .startup_form = "frmA"};
  EXPECT_EQ(fonts_named_in(application), (std::vector<FontSpec>{kLarge, kBold, kSmall}));
}

}  // namespace
}  // namespace tessivar::ui
