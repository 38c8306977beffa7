#include "ui/probe_forms.h"

#include <array>

#include "ui/application.h"
#include "ui/conversions.h"
#include "ui/form.h"

namespace tessivar::testing {

using namespace ui;

std::vector<std::string>& probe_log() {
  static std::vector<std::string> log;
  return log;
}

ProbeBehaviour& probe_behaviour() {
  static ProbeBehaviour behaviour;
  return behaviour;
}

namespace {

void note(const std::string& line) { probe_log().push_back(line); }

// clang-format off
constexpr std::array kFormA = {
    ControlSpec{.name = "lblOver",   .container = "frmA",    .left = 0,    .top = 0,    .width = 600,  .height = 300,  .tab_index = 5,
                .kind = LabelSpec{.caption = "over", .back_style = BackStyle::Transparent}},
    ControlSpec{.name = "imgUnder",  .container = "frmA",    .left = 0,    .top = 0,    .width = 1080, .height = 1080, .kind = ImageSpec{}},
    ControlSpec{.name = "picBox",    .container = "frmA",    .left = 1500, .top = 0,    .width = 1500, .height = 1500, .tab_index = 0, .kind = PictureBoxSpec{}},
    ControlSpec{.name = "hsOutside", .container = "picBox",  .left = 5000, .top = 0,    .width = 1000, .height = 255,  .tab_index = 1, .kind = HScrollBarSpec{}},
    ControlSpec{.name = "imgInBox",  .container = "picBox",  .left = 0,    .top = 0,    .width = 300,  .height = 300,  .kind = ImageSpec{}},
    ControlSpec{.name = "fraZero",   .container = "frmA",    .left = 0,    .top = 1200, .width = 1500, .height = 0,    .tab_index = 4, .kind = FrameSpec{}},
    ControlSpec{.name = "tmrHidden", .container = "fraZero", .kind = TimerSpec{.interval = 100}},
    ControlSpec{.name = "imgHidden", .container = "fraZero", .left = 0,    .top = 0,    .width = 300,  .height = 300,  .kind = ImageSpec{}},
    ControlSpec{.name = "hsA",       .container = "frmA",    .left = 0,    .top = 2100, .width = 3000, .height = 255,  .tab_index = 2, .kind = HScrollBarSpec{}},
    ControlSpec{.name = "hsB",       .container = "frmA",    .left = 0,    .top = 2550, .width = 3000, .height = 255,  .tab_index = 3, .kind = HScrollBarSpec{}},
    ControlSpec{.name = "tmrZero",   .container = "frmA",    .kind = TimerSpec{.interval = 0}},
};
// clang-format on

const FormSpec kFormASpec{.name = "frmA", .caption = "A", .back_color = 0x00FFFFFF,
                          .client_width = 3000, .client_height = 3000, .controls = kFormA};
const FormSpec kFormBSpec{.name = "frmB", .caption = "B", .back_color = 0x00FFFFFF,
                          .client_width = 1500, .client_height = 1500};

void frmA_Load(Form&) { note("frmA Load"); }
void frmA_Activate(Form&) { note("frmA Activate"); }
void frmB_Load(Form&) { note("frmB Load"); }
void frmB_Activate(Form&) { note("frmB Activate"); }
void frmA_KeyPress(Form&, std::int16_t& key_ascii) { note("frmA KeyPress " + std::to_string(key_ascii)); }
void picBox_KeyDown(Form&, std::int16_t& key_code, std::int16_t& shift) {
  note("picBox KeyDown " + std::to_string(key_code) + " " + std::to_string(shift));
}
void imgUnder_Click(Form& form) {
  note("imgUnder Click");
  if (probe_behaviour().image_click_fails_midway) {
    form.label("lblOver").set_caption("changed");
    form.scroll_bar("hsA").set_max(to_int16(40000.0));  // overflows
    form.label("lblOver").set_caption("never");
  }
}
void imgInBox_Click(Form&) { note("imgInBox Click"); }
void imgHidden_Click(Form&) { note("imgHidden Click"); }
void hsOutside_Change(Form& form) {
  note("hsOutside Change " + std::to_string(form.scroll_bar("hsOutside").value()));
}
void hsA_Change(Form& form) {
  const std::int16_t value = form.scroll_bar("hsA").value();
  note("hsA Change " + std::to_string(value));
  if (probe_behaviour().hs_a_change_moves_hs_b) {
    form.scroll_bar("hsB").set_value(value);
    note("hsA Change done");
  }
}
void hsB_Change(Form& form) { note("hsB Change " + std::to_string(form.scroll_bar("hsB").value())); }
void tmrHidden_Timer(Form& form) { note("tmrHidden Timer " + std::to_string(form.app().now())); }
void tmrZero_Timer(Form&) { note("tmrZero Timer"); }

const std::array kFormABindings = {
    Binding{"Form", Event::Load, PlainHandler{frmA_Load}},
    Binding{"Form", Event::Activate, PlainHandler{frmA_Activate}},
    Binding{"Form", Event::KeyPress, KeyPressHandler{frmA_KeyPress}},
    Binding{"picBox", Event::KeyDown, KeyDownHandler{picBox_KeyDown}},
    Binding{"imgUnder", Event::Click, PlainHandler{imgUnder_Click}},
    Binding{"imgInBox", Event::Click, PlainHandler{imgInBox_Click}},
    Binding{"imgHidden", Event::Click, PlainHandler{imgHidden_Click}},
    Binding{"hsOutside", Event::Change, PlainHandler{hsOutside_Change}},
    Binding{"hsA", Event::Change, PlainHandler{hsA_Change}},
    Binding{"hsB", Event::Change, PlainHandler{hsB_Change}},
    Binding{"tmrHidden", Event::Timer, PlainHandler{tmrHidden_Timer}},
    Binding{"tmrZero", Event::Timer, PlainHandler{tmrZero_Timer}},
};
const std::array kFormBBindings = {
    Binding{"Form", Event::Load, PlainHandler{frmB_Load}},
    Binding{"Form", Event::Activate, PlainHandler{frmB_Activate}},
};

const std::array kForms = {FormModule{&kFormASpec, kFormABindings},
                           FormModule{&kFormBSpec, kFormBBindings}};

const std::array kMisbound = {Binding{"imgUnderr", Event::Click, PlainHandler{imgUnder_Click}}};
const std::array kMisboundForms = {FormModule{&kFormASpec, kMisbound}};

}  // namespace

const ApplicationSpec& probe_application() {
  static const ApplicationSpec spec{.title = "Probe", .version = {1, 0, 0}, .forms = kForms,
                                    .startup_form = "frmA"};
  return spec;
}

const ApplicationSpec& misbound_application() {
  static const ApplicationSpec spec{.title = "Probe", .forms = kMisboundForms, .startup_form = "frmA"};
  return spec;
}

}  // namespace tessivar::testing
