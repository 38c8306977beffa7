// What a click on a tile does. The launching tiles differ only in their row of the tile table.
#include "forms/start/start_handlers.h"

#include "ui/application.h"

namespace tessivar::forms::start {
namespace {

// A click on a launching tile: build the command line, launch it with the tile's window style,
// drop the task identifier; the text is released on every way out.
void launch_tile(ui::Form& form, std::string_view tile) {
  const ui::LaunchRequest request =
      build_launch_request(std::get<LaunchAction>(tile_slot(tile).action));
  form.app().launch(request);
}

}  // namespace

void Image2_Click(ui::Form& form) { launch_tile(form, "Image2"); }
void Image3_Click(ui::Form& form) { launch_tile(form, "Image3"); }
void Image4_Click(ui::Form& form) { launch_tile(form, "Image4"); }
void Image5_Click(ui::Form& form) { launch_tile(form, "Image5"); }
void Image6_Click(ui::Form& form) { launch_tile(form, "Image6"); }
void Image7_Click(ui::Form& form) { launch_tile(form, "Image7"); }
void Image8_Click(ui::Form& form) { launch_tile(form, "Image8"); }
void Image9_Click(ui::Form& form) { launch_tile(form, "Image9"); }
void Image11_Click(ui::Form& form) { launch_tile(form, "Image11"); }
void Image12_Click(ui::Form& form) { launch_tile(form, "Image12"); }
void Image13_Click(ui::Form& form) { launch_tile(form, "Image13"); }
void Image14_Click(ui::Form& form) { launch_tile(form, "Image14"); }
void Image15_Click(ui::Form& form) { launch_tile(form, "Image15"); }
void Image16_Click(ui::Form& form) { launch_tile(form, "Image16"); }
void Image17_Click(ui::Form& form) { launch_tile(form, "Image17"); }
void Image18_Click(ui::Form& form) { launch_tile(form, "Image18"); }
void Image19_Click(ui::Form& form) { launch_tile(form, "Image19"); }
void Image20_Click(ui::Form& form) { launch_tile(form, "Image20"); }
void Image21_Click(ui::Form& form) { launch_tile(form, "Image21"); }
void Image22_Click(ui::Form& form) { launch_tile(form, "Image22"); }
void Image23_Click(ui::Form& form) { launch_tile(form, "Image23"); }
void Image24_Click(ui::Form& form) { launch_tile(form, "Image24"); }
void Image25_Click(ui::Form& form) { launch_tile(form, "Image25"); }
void Image26_Click(ui::Form& form) { launch_tile(form, "Image26"); }
void Image27_Click(ui::Form& form) { launch_tile(form, "Image27"); }
void Image28_Click(ui::Form& form) { launch_tile(form, "Image28"); }
void Image29_Click(ui::Form& form) { launch_tile(form, "Image29"); }
void Image30_Click(ui::Form& form) { launch_tile(form, "Image30"); }
void Image31_Click(ui::Form& form) { launch_tile(form, "Image31"); }
void Image32_Click(ui::Form& form) { launch_tile(form, "Image32"); }
void Image34_Click(ui::Form& form) { launch_tile(form, "Image34"); }
void Image35_Click(ui::Form& form) { launch_tile(form, "Image35"); }
void Image36_Click(ui::Form& form) { launch_tile(form, "Image36"); }
void Image37_Click(ui::Form& form) { launch_tile(form, "Image37"); }
void Image38_Click(ui::Form& form) { launch_tile(form, "Image38"); }
void Image39_Click(ui::Form& form) { launch_tile(form, "Image39"); }
void Image40_Click(ui::Form& form) { launch_tile(form, "Image40"); }
void Image41_Click(ui::Form& form) { launch_tile(form, "Image41"); }
void Image42_Click(ui::Form& form) { launch_tile(form, "Image42"); }
void Image43_Click(ui::Form& form) { launch_tile(form, "Image43"); }
void Image44_Click(ui::Form& form) { launch_tile(form, "Image44"); }
void Image45_Click(ui::Form& form) { launch_tile(form, "Image45"); }
void Image46_Click(ui::Form& form) { launch_tile(form, "Image46"); }
void Image47_Click(ui::Form& form) { launch_tile(form, "Image47"); }
void Image48_Click(ui::Form& form) { launch_tile(form, "Image48"); }
void Image49_Click(ui::Form& form) { launch_tile(form, "Image49"); }
void Image50_Click(ui::Form& form) { launch_tile(form, "Image50"); }

// The About tile shows the one About window: loaded afresh when it is not loaded, brought to the
// front and activated when it is.
void Image33_Click(ui::Form& form) { form.app().show("frmAbout"); }

}  // namespace tessivar::forms::start
