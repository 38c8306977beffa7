// The start screen's tiles: one row per picture control, with what a click on it does.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "ui/launch_request.h"
#include "ui/picture_ref.h"

namespace tessivar::forms::start {

enum class TileParent { Window, Canvas };

struct NoAction {};
struct ShowAbout {};

// A launching tile's data: its whole command line, or the applet part that is joined at click
// time onto the control panel program.
struct LaunchAction {
  std::string_view literal;
  bool joins_control_panel = false;
  ui::WindowStyle window_style = ui::WindowStyle::Normal;
};

using TileAction = std::variant<NoAction, ShowAbout, LaunchAction>;

struct TileSlot {
  std::string_view name;
  TileParent parent;
  std::int16_t left, top, width, height;  // twips, in the parent's client area
  ui::PictureRef picture;
  TileAction action;
};

// The shared program that twelve tiles join their applet part onto.
inline constexpr std::string_view kControlPanelProgram = R"(C:\Windows\System32\control.exe)";

std::span<const TileSlot> tile_table();
const TileSlot& tile_slot(std::string_view name);

// Step 1 of a click: a fresh copy of the literal, or the control panel program followed directly
// by the applet part.
ui::LaunchRequest build_launch_request(const LaunchAction& action);

}  // namespace tessivar::forms::start
