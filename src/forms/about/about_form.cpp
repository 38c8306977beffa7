#include "forms/about/about_form.h"

#include <array>

#include "assets/embedded_assets.h"

namespace tessivar::forms::about {
namespace {

using namespace ui;

constexpr FontSpec consolas(double points, std::int16_t weight = 400) {
  return {.face = "Consolas", .points = points, .weight = weight};
}

// The maker's texts.
constexpr std::string_view kWeblog = "https://tessivar.example.org/blog";
constexpr std::string_view kSocialPage = "https://social.example.org/@tessivar";
constexpr std::string_view kFeedback =
    "     Send ur feedback,comments,reports at tessivar@example.org or  help@example.org";
constexpr std::string_view kCopyright = "\u00A9 2026 Tessivar developers";
constexpr std::string_view kDescription =
    "   Tessivar is a free application program, it is a start menu for windows xp and windows 7 "
    "just like a windows 8 start menu."
    "Designed and developed by the Tessivar developers.";

const std::array<ControlSpec, 11>& controls() {
  // clang-format off
  static const std::array<ControlSpec, 11> list = {
    ControlSpec{.name = "Label9", .container = "frmAbout", .left = 1200, .top = 4800, .width = 5415, .height = 375,  .tab_index = 8,
                .kind = LabelSpec{.caption = kSocialPage, .back_style = BackStyle::Transparent, .font = consolas(12)}},
    ControlSpec{.name = "Label8", .container = "frmAbout", .left = 360,  .top = 4440, .width = 4575, .height = 375,  .tab_index = 7,
                .kind = LabelSpec{.caption = "Reach us on:", .back_style = BackStyle::Transparent, .font = consolas(14.25, 700)}},
    ControlSpec{.name = "Label7", .container = "frmAbout", .left = 600,  .top = 3840, .width = 5775, .height = 735,  .tab_index = 6,
                .kind = LabelSpec{.caption = kFeedback, .back_style = BackStyle::Transparent, .font = consolas(12)}},
    ControlSpec{.name = "Label6", .container = "frmAbout", .left = 360,  .top = 3480, .width = 975,  .height = 375,  .tab_index = 5,
                .kind = LabelSpec{.caption = "Email:", .back_style = BackStyle::Transparent, .font = consolas(14.25, 700)}},
    ControlSpec{.name = "Label5", .container = "frmAbout", .left = 1320, .top = 3120, .width = 4695, .height = 375,  .tab_index = 4,
                .kind = LabelSpec{.caption = kWeblog, .back_style = BackStyle::Transparent, .font = consolas(12)}},
    ControlSpec{.name = "Label4", .container = "frmAbout", .left = 360,  .top = 2760, .width = 1335, .height = 375,  .tab_index = 3,
                .kind = LabelSpec{.caption = "Website: ", .back_style = BackStyle::Transparent, .font = consolas(14.25, 700)}},
    ControlSpec{.name = "Label3", .container = "frmAbout", .left = 1920, .top = 840,  .width = 2655, .height = 375,  .tab_index = 2,
                .kind = LabelSpec{.caption = kCopyright, .back_style = BackStyle::Transparent, .font = {.face = "Calibri", .points = 11.25, .weight = 700}}},
    ControlSpec{.name = "Image2", .container = "frmAbout", .left = 4560, .top = 0,    .width = 1260, .height = 1260,
                .kind = ImageSpec{.picture = {assets::about_emblem, "about-emblem.jpg"}}},
    ControlSpec{.name = "Label2", .container = "frmAbout", .left = 360,  .top = 1440, .width = 6375, .height = 1455, .tab_index = 1,
                .kind = LabelSpec{.caption = kDescription, .back_style = BackStyle::Transparent, .back_color = system_colour::kHighlightText,
                                  .fore_color = system_colour::kMenuText, .font = consolas(12)}},
    ControlSpec{.name = "Label1", .container = "frmAbout", .left = 2280, .top = 360,  .width = 3255, .height = 975,  .tab_index = 0,
                .kind = LabelSpec{.caption = "Tessivar", .back_style = BackStyle::Transparent, .fore_color = 0x00808080,
                                  .font = {.face = "Merienda", .points = 21.75, .weight = 700}}},
    ControlSpec{.name = "Image1", .container = "frmAbout", .left = 0,    .top = 5160, .width = 7500, .height = 1500,
                .kind = ImageSpec{.picture = {assets::about_banner, "about-banner.jpg"}}},
  };
  // clang-format on
  return list;
}

}  // namespace

const FormModule& about_form() {
  static const FormSpec spec{.name = "frmAbout",
                             .caption = "About Tessivar  Version 1.0 (BETA)",
                             .back_color = 0x00FFFFFF,
                             .border_style = BorderStyle::FixedToolWindow,
                             .max_button = false,
                             .min_button = false,
                             .show_in_taskbar = false,
                             .client_width = 6795,
                             .client_height = 6645,
                             .start_up_position = StartUpPosition::CenterScreen,
                             .controls = controls()};
  static const FormModule module{&spec, {}};
  return module;
}

}  // namespace tessivar::forms::about
