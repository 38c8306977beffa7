#include "forms/start/start_form.h"

#include <array>
#include <list>
#include <vector>

#include "assets/embedded_assets.h"
#include "forms/start/start_handlers.h"
#include "forms/start/tile_slot.h"

namespace tessivar::forms::start {
namespace {

using namespace ui;

constexpr FontSpec segoe_ui(double points) { return {.face = "Segoe UI", .points = points}; }

ControlSpec tile_control(std::string_view name) {
  const TileSlot& slot = tile_slot(name);
  return {.name = slot.name,
          .container = slot.parent == TileParent::Canvas ? "picPicture" : "Pellomark",
          .left = slot.left, .top = slot.top, .width = slot.width, .height = slot.height,
          .kind = ImageSpec{.picture = slot.picture}};
}

// The canvas's children, front to back. The tiles do not overlap each other; the clock labels
// stand after Image34 and before Image32, so they lie in front of Image10 beneath them.
constexpr std::array<std::string_view, 50> kCanvasOrder = {
    "Image50", "Image49", "Image48", "Image47", "Image46", "Image45", "Image44", "Image43",
    "Image42", "Image41", "Image40", "Image39", "Image38", "Image37", "Image36", "Image35",
    "Image34", "Label5",  "Label4",  "Image32", "Image31", "Image30", "Image29", "Image28",
    "Image27", "Image26", "Image25", "Image24", "Image23", "Image22", "Image21", "Image20",
    "Image19", "Image18", "Image17", "Image16", "Image15", "Image14", "Image13", "Image12",
    "Image11", "Image10", "Image9",  "Image8",  "Image7",  "Image6",  "Image5",  "Image4",
    "Image3",  "Image2"};

std::vector<ControlSpec> build_controls(const StartFormVariant& v) {
  const PictureRef canvas_picture =
      v.canvas_has_picture ? PictureRef{assets::start_canvas, "start-canvas.jpg"} : PictureRef{};
  // clang-format off
  const ControlSpec timer1     {.name = "Timer1",     .container = "Pellomark", .kind = TimerSpec{.interval = 100}};
  const ControlSpec hscroll1   {.name = "HScroll1",   .container = "Pellomark", .left = 1320,  .top = 7920, .width = 5295,  .height = 135,  .tab_index = 4, .kind = HScrollBarSpec{}};
  const ControlSpec vscroll1   {.name = "VScroll1",   .container = "Pellomark", .left = 16800, .top = 5280, .width = 375,   .height = 3015, .tab_index = 2, .kind = VScrollBarSpec{}};
  const ControlSpec pic_window {.name = "picWindow",  .container = "Pellomark", .left = 1320,  .top = 1920, .width = 12615, .height = v.viewport_height, .tab_index = 0, .kind = PictureBoxSpec{}};
  const ControlSpec pic_canvas {.name = "picPicture", .container = "picWindow", .left = 0,     .top = -600, .width = v.canvas_width, .height = v.canvas_height, .tab_index = 1, .kind = PictureBoxSpec{.picture = canvas_picture}};
  const ControlSpec label5     {.name = "Label5",     .container = "picPicture", .left = 720,  .top = 6000, .width = 1815,  .height = 375,  .tab_index = 8,
                                .kind = LabelSpec{.back_style = BackStyle::Transparent, .font = segoe_ui(9.75)}};
  const ControlSpec label4     {.name = "Label4",     .container = "picPicture", .left = 480,  .top = 5520, .width = 1575,  .height = 615,  .tab_index = 7,
                                .kind = LabelSpec{.back_style = BackStyle::Transparent, .fore_color = system_colour::kHighlightText, .font = segoe_ui(18)}};
  const ControlSpec label2     {.name = "Label2",     .container = "Pellomark", .left = 10200, .top = 840,  .width = 2895,  .height = 1095, .tab_index = 6,
                                .kind = LabelSpec{.caption = "Tessivar", .back_style = BackStyle::Transparent, .fore_color = system_colour::kHighlightText, .font = segoe_ui(27.75)}};
  const ControlSpec label1     {.name = "Label1",     .container = "Pellomark", .left = 1320,  .top = 600,  .width = 4815,  .height = 1335, .tab_index = 5,
                                .kind = LabelSpec{.caption = "Start", .back_style = BackStyle::Transparent, .fore_color = system_colour::kHighlightText,
                                                  .font = {.face = "Segoe UI Semilight", .points = 36.75, .weight = 700}}};
  const ControlSpec no_picture {.name = "lblNoPicture", .container = "Pellomark", .left = 2760, .top = 4440, .width = 2775, .height = 615, .tab_index = 3, .visible = false,
                                .kind = LabelSpec{.caption = "#", .fore_color = 0x000000FF,
                                                  .font = {.face = "MS Sans Serif", .points = 8.25, .weight = 700}}};
  // clang-format on

  // Each container before its children; windowed and lightweight controls keep their own order.
  std::vector<ControlSpec> controls = {timer1, hscroll1, vscroll1, pic_window, pic_canvas};
  for (std::string_view name : kCanvasOrder) {
    if (name == "Label5") controls.push_back(label5);
    else if (name == "Label4") controls.push_back(label4);
    else controls.push_back(tile_control(name));
  }
  for (const ControlSpec& c : {tile_control("Image33"), label2, tile_control("Image1"), label1, no_picture}) {
    controls.push_back(c);
  }
  return controls;
}

constexpr std::array kBindings = {
    Binding{"Form", Event::Load, PlainHandler{Form_Load}},
    Binding{"Form", Event::Activate, PlainHandler{Form_Activate}},
    Binding{"picPicture", Event::KeyDown, KeyDownHandler{picPicture_KeyDown}},
    Binding{"HScroll1", Event::Change, PlainHandler{HScroll1_Change}},
    Binding{"VScroll1", Event::Change, PlainHandler{VScroll1_Change}},
    Binding{"Timer1", Event::Timer, PlainHandler{Timer1_Timer}},
    Binding{"Image2", Event::Click, PlainHandler{Image2_Click}},
    Binding{"Image3", Event::Click, PlainHandler{Image3_Click}},
    Binding{"Image4", Event::Click, PlainHandler{Image4_Click}},
    Binding{"Image5", Event::Click, PlainHandler{Image5_Click}},
    Binding{"Image6", Event::Click, PlainHandler{Image6_Click}},
    Binding{"Image7", Event::Click, PlainHandler{Image7_Click}},
    Binding{"Image8", Event::Click, PlainHandler{Image8_Click}},
    Binding{"Image9", Event::Click, PlainHandler{Image9_Click}},
    Binding{"Image11", Event::Click, PlainHandler{Image11_Click}},
    Binding{"Image12", Event::Click, PlainHandler{Image12_Click}},
    Binding{"Image13", Event::Click, PlainHandler{Image13_Click}},
    Binding{"Image14", Event::Click, PlainHandler{Image14_Click}},
    Binding{"Image15", Event::Click, PlainHandler{Image15_Click}},
    Binding{"Image16", Event::Click, PlainHandler{Image16_Click}},
    Binding{"Image17", Event::Click, PlainHandler{Image17_Click}},
    Binding{"Image18", Event::Click, PlainHandler{Image18_Click}},
    Binding{"Image19", Event::Click, PlainHandler{Image19_Click}},
    Binding{"Image20", Event::Click, PlainHandler{Image20_Click}},
    Binding{"Image21", Event::Click, PlainHandler{Image21_Click}},
    Binding{"Image22", Event::Click, PlainHandler{Image22_Click}},
    Binding{"Image23", Event::Click, PlainHandler{Image23_Click}},
    Binding{"Image24", Event::Click, PlainHandler{Image24_Click}},
    Binding{"Image25", Event::Click, PlainHandler{Image25_Click}},
    Binding{"Image26", Event::Click, PlainHandler{Image26_Click}},
    Binding{"Image27", Event::Click, PlainHandler{Image27_Click}},
    Binding{"Image28", Event::Click, PlainHandler{Image28_Click}},
    Binding{"Image29", Event::Click, PlainHandler{Image29_Click}},
    Binding{"Image30", Event::Click, PlainHandler{Image30_Click}},
    Binding{"Image31", Event::Click, PlainHandler{Image31_Click}},
    Binding{"Image32", Event::Click, PlainHandler{Image32_Click}},
    Binding{"Image33", Event::Click, PlainHandler{Image33_Click}},
    Binding{"Image34", Event::Click, PlainHandler{Image34_Click}},
    Binding{"Image35", Event::Click, PlainHandler{Image35_Click}},
    Binding{"Image36", Event::Click, PlainHandler{Image36_Click}},
    Binding{"Image37", Event::Click, PlainHandler{Image37_Click}},
    Binding{"Image38", Event::Click, PlainHandler{Image38_Click}},
    Binding{"Image39", Event::Click, PlainHandler{Image39_Click}},
    Binding{"Image40", Event::Click, PlainHandler{Image40_Click}},
    Binding{"Image41", Event::Click, PlainHandler{Image41_Click}},
    Binding{"Image42", Event::Click, PlainHandler{Image42_Click}},
    Binding{"Image43", Event::Click, PlainHandler{Image43_Click}},
    Binding{"Image44", Event::Click, PlainHandler{Image44_Click}},
    Binding{"Image45", Event::Click, PlainHandler{Image45_Click}},
    Binding{"Image46", Event::Click, PlainHandler{Image46_Click}},
    Binding{"Image47", Event::Click, PlainHandler{Image47_Click}},
    Binding{"Image48", Event::Click, PlainHandler{Image48_Click}},
    Binding{"Image49", Event::Click, PlainHandler{Image49_Click}},
    Binding{"Image50", Event::Click, PlainHandler{Image50_Click}},
};

// A description and the controls it spans, kept together for the program's whole run.
struct BuiltForm {
  std::vector<ControlSpec> controls;
  FormSpec spec;
  FormModule module;
};

const FormModule& build(const StartFormVariant& variant, std::list<BuiltForm>& store) {
  BuiltForm& built = store.emplace_back();
  built.controls = build_controls(variant);
  built.spec = {.name = "Pellomark",
                .caption = "Tessivar 1.0 (BETA)",
                .back_color = system_colour::kWindowBackground,
                .picture = {assets::start_wallpaper, "start-wallpaper.jpg"},
                .border_style = BorderStyle::FixedDialog,
                .icon = {assets::app_icon, "app-icon.ico"},
                .max_button = false,
                .min_button = false,
                .client_width = 15240,
                .client_height = 9705,
                .start_up_position = StartUpPosition::CenterScreen,
                .controls = built.controls};
  built.module = {&built.spec, kBindings};
  return built.module;
}

}  // namespace

const FormModule& start_form() {
  static std::list<BuiltForm> store;
  static const FormModule& module = build(StartFormVariant{}, store);
  return module;
}

const FormModule& start_form_variant(const StartFormVariant& variant) {
  static std::list<BuiltForm> variants;
  return build(variant, variants);
}

}  // namespace tessivar::forms::start
