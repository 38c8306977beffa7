#include "forms/splash/splash_form.h"

#include <array>
#include <string>

#include "assets/embedded_assets.h"
#include "ui/application.h"

namespace tessivar::forms::splash {
namespace {

using namespace ui;

constexpr FontSpec arial(double points, std::int16_t weight = 400) {
  return {.face = "Arial", .points = points, .weight = weight};
}

const std::array<ControlSpec, 15>& controls() {
  // clang-format off
  static const std::array<ControlSpec, 15> list = {
    ControlSpec{.name = "Frame1",            .container = "frmSplash", .left = 1470, .top = 4035, .width = 90,   .height = 0,    .tab_index = 0, .kind = FrameSpec{}},
    ControlSpec{.name = "Timer1",            .container = "Frame1",    .kind = TimerSpec{.interval = 1000}},
    ControlSpec{.name = "imgLogo",           .container = "Frame1",    .left = 360,  .top = 840,  .width = 1815, .height = 2385,
                .kind = ImageSpec{.picture = {assets::splash_placeholder_logo, "splash-placeholder-logo.ico"}, .stretch = true}},
    ControlSpec{.name = "lblCopyright",      .container = "Frame1",    .left = 4560, .top = 3060, .width = 2415, .height = 255,  .tab_index = 4, .kind = LabelSpec{.caption = "Copyright", .font = arial(8.25)}},
    ControlSpec{.name = "lblCompany",        .container = "Frame1",    .left = 4560, .top = 3270, .width = 2415, .height = 255,  .tab_index = 3, .kind = LabelSpec{.caption = "Company", .font = arial(8.25)}},
    ControlSpec{.name = "lblWarning",        .container = "Frame1",    .left = 120,  .top = 3660, .width = 6855, .height = 195,  .tab_index = 2, .kind = LabelSpec{.caption = "Warning", .font = arial(8.25)}},
    ControlSpec{.name = "lblVersion",        .container = "Frame1",    .left = 5970, .top = 2700, .width = 885,  .height = 285,  .tab_index = 5,
                .kind = LabelSpec{.caption = "Version", .alignment = Alignment::Right, .auto_size = true, .font = arial(12, 700)}},
    ControlSpec{.name = "lblPlatform",       .container = "Frame1",    .left = 5580, .top = 2340, .width = 1275, .height = 360,  .tab_index = 6,
                .kind = LabelSpec{.caption = "Platform", .alignment = Alignment::Right, .auto_size = true, .font = arial(15.75, 700)}},
    ControlSpec{.name = "lblProductName",    .container = "Frame1",    .left = 2520, .top = 1140, .width = 2430, .height = 765,  .tab_index = 8,
                .kind = LabelSpec{.caption = "Product", .auto_size = true, .font = arial(32.25, 700)}},
    ControlSpec{.name = "lblLicenseTo",      .container = "Frame1",    .left = 120,  .top = 240,  .width = 6855, .height = 255,  .tab_index = 1,
                .kind = LabelSpec{.caption = "LicenseTo", .alignment = Alignment::Right, .font = arial(8.25)}},
    ControlSpec{.name = "lblCompanyProduct", .container = "Frame1",    .left = 2355, .top = 705,  .width = 3000, .height = 435,  .tab_index = 7,
                .kind = LabelSpec{.caption = "CompanyProduct", .auto_size = true, .font = arial(18, 700)}},
    ControlSpec{.name = "Label3",            .container = "frmSplash", .left = 3120, .top = 2040, .width = 2415, .height = 375,  .tab_index = 11,
                .kind = LabelSpec{.caption = "Please wait Loading......", .back_style = BackStyle::Transparent, .font = {.face = "Segoe UI", .points = 12}}},
    ControlSpec{.name = "Label2",            .container = "frmSplash", .left = 3360, .top = 1440, .width = 1815, .height = 495,  .tab_index = 10,
                .kind = LabelSpec{.caption = "Version : 1.0", .back_style = BackStyle::Transparent, .font = {.face = "MS Sans Serif", .points = 13.5, .weight = 700}}},
    ControlSpec{.name = "Label1",            .container = "frmSplash", .left = 2760, .top = 720,  .width = 3255, .height = 1335, .tab_index = 9,
                .kind = LabelSpec{.caption = "Tessivar", .back_style = BackStyle::Transparent, .fore_color = 0x00FFFFFF,
                                  .font = {.face = "Merienda", .points = 30.75, .weight = 700}}},
    ControlSpec{.name = "Image1",            .container = "frmSplash", .left = 5640, .top = 480,  .width = 1440, .height = 1440,
                .kind = ImageSpec{.picture = {assets::splash_emblem, "splash-emblem.jpg"}}},
  };
  // clang-format on
  return list;
}

// Load: the version text from the application's version numbers, and its title.
void Form_Load(Form& form) {
  const AppVersion v = form.app().version();
  const std::string version_text = "Version " + std::to_string(v.major) + "." +
                                   std::to_string(v.minor) + "." + std::to_string(v.revision);
  form.label("lblVersion").set_caption(version_text);
  form.label("lblProductName").set_caption(form.app().title());
}

// The hand-over: the start screen is shown (its Load and Activate run inside Show) before the
// splash window goes, so the application is never without a window.
void Timer1_Timer(Form& form) {
  Timer& timer = form.timer("Timer1");
  if (timer.interval() != 1000) return;
  form.app().show("Pellomark");
  form.app().unload("frmSplash");
  timer.set_enabled(false);
}

// A character key or a click on the frame dismisses the splash window, which ends the
// application: the start screen is never shown.
void Form_KeyPress(Form& form, std::int16_t& /*key_ascii*/) { form.app().unload("frmSplash"); }
void Frame1_Click(Form& form) { form.app().unload("frmSplash"); }

constexpr std::array kBindings = {
    Binding{"Form", Event::Load, PlainHandler{Form_Load}},
    Binding{"Form", Event::KeyPress, KeyPressHandler{Form_KeyPress}},
    Binding{"Frame1", Event::Click, PlainHandler{Frame1_Click}},
    Binding{"Timer1", Event::Timer, PlainHandler{Timer1_Timer}},
};

}  // namespace

const FormModule& splash_form() {
  static const FormSpec spec{.name = "frmSplash",
                             .back_color = system_colour::kWindowBackground,
                             .picture = {assets::splash_picture, "splash-picture.bmp"},
                             .border_style = BorderStyle::FixedDialog,
                             .control_box = false,
                             .max_button = false,
                             .min_button = false,
                             .key_preview = true,
                             .show_in_taskbar = false,
                             .client_width = 8415,
                             .client_height = 4500,
                             .start_up_position = StartUpPosition::CenterScreen,
                             .controls = controls()};
  static const FormModule module{&spec, kBindings};
  return module;
}

}  // namespace tessivar::forms::splash
