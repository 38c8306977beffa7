#include <algorithm>
#include <stdexcept>
#include <string>

#include "assets/embedded_assets.h"
#include "forms/start/tile_slot.h"

namespace tessivar::forms::start {
namespace {

using ui::WindowStyle;

constexpr TileParent kWindow = TileParent::Window;
constexpr TileParent kCanvas = TileParent::Canvas;

ui::PictureRef picture(std::span<const std::uint8_t> bytes, std::string_view name) {
  return {bytes, name};
}
LaunchAction launch(std::string_view command_line, WindowStyle style = WindowStyle::Normal) {
  return {.literal = command_line, .window_style = style};
}
LaunchAction launch_applet(std::string_view applet, WindowStyle style = WindowStyle::Normal) {
  return {.literal = applet, .joins_control_panel = true, .window_style = style};
}

}  // namespace

std::span<const TileSlot> tile_table() {
  // Built on first use, when every embedded picture has its constant value. Command lines are
  // raw strings: every backslash and every trailing space is part of the line.
  // clang-format off
  static const TileSlot table[] = {
    // name     parent    Left   Top  Width Height picture, action
    {"Image1",  kWindow, 12600,  480, 1470, 1380, picture(assets::start_window_logo, "start-window-logo.jpg"), NoAction{}},
    {"Image2",  kCanvas,     0, 3000, 1080, 1080, picture(assets::tile_cmd, "tile-cmd.jpg"), launch(R"(C:\WINDOWS\system32\cmd.exe )")},
    {"Image3",  kCanvas, 11760, 1800, 1080, 1080, picture(assets::tile_bluth, "tile-bluth.jpg"), launch(R"(C:\WINDOWS\system32\fsquirt.exe )")},
    {"Image4",  kCanvas,  1320, 4200, 1080, 1080, picture(assets::tile_magni, "tile-magni.jpg"), launch(R"(C:\WINDOWS\system32\magnify.exe)")},
    {"Image5",  kCanvas,  7200, 1800, 1080, 1080, picture(assets::tile_dskcln, "tile-dskcln.jpg"), launch(R"(C:\WINDOWS\system32\cleanmgr.exe )")},
    {"Image6",  kCanvas,     0, 4200, 1080, 1080, picture(assets::tile_regedit, "tile-regedit.jpg"), launch(R"(C:\WINDOWS\System32\regedt32.exe )")},
    {"Image7",  kCanvas,  7200, 3000, 1080, 1080, picture(assets::tile_tskmgr, "tile-tskmgr.jpg"), launch(R"(C:\WINDOWS\system32\taskmgr.exe )")},
    {"Image8",  kCanvas,  4560,  600, 1080, 1080, picture(assets::tile_wmplay, "tile-wmplay.jpg"), launch(R"(C:\WINDOWS\system32\dvdplay.exe)")},
    {"Image9",  kCanvas,  2640, 1800, 1080, 1080, picture(assets::tile_remote, "tile-remote.jpg"), launch(R"(C:\WINDOWS\system32\mstsc.exe)")},
    {"Image10", kCanvas,     0, 5400, 2415, 1065, picture(assets::wide_clock, "wide-clock.bmp"), NoAction{}},
    {"Image11", kCanvas,  2640, 4200, 1080, 1080, picture(assets::tile_my_version, "tile-my-version.jpg"), launch(R"(C:\WINDOWS\system32\winver.exe )")},
    {"Image12", kCanvas,  2640, 3000, 1080, 1080, picture(assets::tile_wordpad, "tile-wordpad.jpg"), launch(R"(C:\WINDOWS\system32\write.exe)")},
    {"Image13", kCanvas,  5880, 1800, 1080, 1080, picture(assets::tile_info, "tile-info.jpg"), launch(R"(C:\WINDOWS\system32\winmsd.exe )")},
    {"Image14", kCanvas,  2640, 5400, 1080, 1080, picture(assets::tile_rec, "tile-rec.jpg"), launch(R"(C:\WINDOWS\system32\sndrec32.exe )")},
    {"Image15", kCanvas,  5880, 4200, 1080, 1080, picture(assets::tile_paint, "tile-paint.jpg"), launch(R"(C:\WINDOWS\system32\mspaint.exe)")},
    {"Image16", kCanvas,  1320, 3000, 1080, 1080, picture(assets::tile_control, "tile-control.jpg"), launch(R"(C:\WINDOWS\system32\Control.exe )")},
    {"Image17", kCanvas,  1320, 1800, 1080, 1080, picture(assets::tile_calc, "tile-calc.jpg"), launch(R"(C:\WINDOWS\system32\calc.exe )")},
    {"Image18", kCanvas,  9120,  600, 1080, 1080, picture(assets::tile_event, "tile-event.jpg"), launch(R"(C:\WINDOWS\system32\eventvwr.exe )")},
    {"Image19", kCanvas,  4560, 1800, 1080, 1080, picture(assets::tile_acess_wiz, "tile-acess-wiz.jpg"), launch_applet(R"( access.cpl)")},
    {"Image20", kCanvas, 10440, 1800, 1080, 1080, picture(assets::tile_out_look, "tile-out-look.jpg"), launch(R"(C:\Program Files\Outlook Express\msimn.exe)")},
    {"Image21", kCanvas, 10440, 3000, 1080, 1080, picture(assets::tile_keyboard, "tile-keyboard.jpg"), launch(R"(C:\WINDOWS\system32\osk.exe )")},
    {"Image22", kCanvas,  5880,  600, 1080, 1080, picture(assets::tile_backup, "tile-backup.jpg"), launch(R"(C:\WINDOWS\system32\ntbackup.exe)")},
    {"Image23", kCanvas,  9120, 4200, 1080, 1080, picture(assets::tile_perform, "tile-perform.jpg"), launch(R"(C:\WINDOWS\system32\perfmon.exe  )")},
    {"Image24", kCanvas,     0, 1800, 1080, 1080, picture(assets::tile_documents, "tile-documents.jpg"), launch(R"(C:\WINDOWS\explorer.exe)")},
    {"Image25", kCanvas,  5880, 5400, 1080, 1080, picture(assets::tile_vol_control, "tile-vol-control.jpg"), launch_applet(R"( mmsys.cpl)")},
    {"Image26", kCanvas, 11760, 4200, 1080, 1080, picture(assets::tile_mouse, "tile-mouse.jpg"), launch(R"(rundll32.exe shell32.dll,Control_RunDLL main.cpl @0)")},
    {"Image27", kCanvas,  4560, 4200, 1080, 1080, picture(assets::tile_mve_maker, "tile-mve-maker.jpg"), launch(R"(C:\Program Files\Movie Maker\moviemk.exe)")},
    {"Image28", kCanvas,  7200, 4200, 1080, 1080, picture(assets::tile_msg, "tile-msg.jpg"), launch(R"(C:\Program Files\Messenger\msmsgs.exe )")},
    {"Image29", kCanvas, 13080, 3000, 1080, 1080, picture(assets::tile_adress, "tile-adress.jpg"), launch(R"(C:\Program Files\Outlook Express\wab.exe )")},
    {"Image30", kCanvas,  7200, 5400, 1080, 1080, picture(assets::tile_ie, "tile-ie.jpg"), launch(R"(C:\Program Files\Internet Explorer\IEXPLORE.EXE)")},
    {"Image31", kCanvas,  9120, 1800, 1080, 1080, picture(assets::tile_int_tutor, "tile-int-tutor.jpg"), launch(R"(C:\Program Files\Internet Explorer\Connection Wizard\icwtutor.exe)")},
    {"Image32", kCanvas, 13080,  600, 1080, 1080, picture(assets::tile_network, "tile-network.jpg"), launch(R"(C:\Program Files\Internet Explorer\Connection Wizard\icwconn1.exe )")},
    {"Image33", kWindow,  7560, 8760, 720, 720, picture(assets::start_about_symbol, "start-about-symbol.jpg"), ShowAbout{}},
    {"Image34", kCanvas,  7200,  600, 1080, 1080, picture(assets::tile_games, "tile-games.jpg"), launch(R"(C:\WINDOWS\system32\spider.exe)")},
    {"Image35", kCanvas, 10440, 4200, 1080, 1080, picture(assets::tile_share, "tile-share.jpg"), launch(R"(C:\WINDOWS\system32\shrpubw.exe )")},
    {"Image36", kCanvas,  9120, 5400, 1080, 1080, picture(assets::tile_dsk_part, "tile-dsk-part.jpg"), launch(R"(C:\WINDOWS\system32\diskpart.exe)")},
    {"Image37", kCanvas, 10440,  600, 1080, 1080, picture(assets::tile_add_remve, "tile-add-remve.jpg"), launch(R"(rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl)")},
    {"Image38", kCanvas,  4560, 3000, 2415, 1065, picture(assets::wide_regeional_language, "wide-regeional-language.bmp"), launch(R"(rundll32.exe shell32.dll,Control_RunDLL intl.cpl)")},
    {"Image39", kCanvas, 10440, 5400, 1080, 1080, picture(assets::tile_time_setting, "tile-time-setting.jpg"), launch(R"(rundll32.exe shell32.dll,Control_RunDLL timedate.cpl,,0)", WindowStyle::Minimised)},
    {"Image40", kCanvas, 13080, 4200, 1080, 1080, picture(assets::tile_net_con, "tile-net-con.jpg"), launch_applet(R"( ncpa.cpl)")},
    {"Image41", kCanvas, 11760,  600, 1080, 1080, picture(assets::tile_firewall, "tile-firewall.jpg"), launch_applet(R"( firewall.cpl)")},
    {"Image42", kCanvas,     0,  600, 1080, 1080, picture(assets::tile_user, "tile-user.jpg"), launch_applet(R"( nusrmgr.cpl)")},
    {"Image43", kCanvas, 14400,  600, 1080, 1080, picture(assets::tile_update, "tile-update.jpg"), launch_applet(R"( wuaucpl.cpl)")},
    {"Image44", kCanvas,  4560, 5400, 1080, 1080, picture(assets::tile_security, "tile-security.jpg"), launch_applet(R"( wscui.cpl)")},
    {"Image45", kCanvas, 11760, 5400, 1080, 1080, picture(assets::tile_power, "tile-power.jpg"), launch_applet(R"( powercfg.cpl)")},
    {"Image46", kCanvas,  1320,  600, 2415, 1065, picture(assets::wide_dispalay_properties, "wide-dispalay-properties.bmp"), launch_applet(R"( desk.cpl)")},
    {"Image47", kCanvas, 13080, 1800, 1080, 1080, picture(assets::tile_hardware, "tile-hardware.jpg"), launch_applet(R"( hdwwiz.cpl)")},
    {"Image48", kCanvas, 11760, 3000, 1080, 1080, picture(assets::tile_net_pro, "tile-net-pro.jpg"), launch_applet(R"( inetcpl.cpl)")},
    {"Image49", kCanvas, 13080, 5400, 1080, 1080, picture(assets::tile_sys_proprty, "tile-sys-proprty.jpg"), launch(R"(rundll32.exe shell32.dll,Control_RunDLL sysdm.cpl @1)", WindowStyle::Minimised)},
    {"Image50", kCanvas,  9120, 3000, 1080, 1080, picture(assets::tile_font, "tile-font.jpg"), launch_applet(R"( fonts)")},
  };
  // clang-format on
  return table;
}

const TileSlot& tile_slot(std::string_view name) {
  const auto table = tile_table();
  const auto it = std::find_if(table.begin(), table.end(),
                               [&](const TileSlot& slot) { return slot.name == name; });
  if (it == table.end()) throw std::logic_error("no tile named " + std::string(name));
  return *it;
}

ui::LaunchRequest build_launch_request(const LaunchAction& action) {
  std::string command_line;
  if (action.joins_control_panel) command_line = kControlPanelProgram;
  command_line += action.literal;
  return {std::move(command_line), action.window_style};
}

}  // namespace tessivar::forms::start
