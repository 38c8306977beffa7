// The fixed description of one window: its own fields and its controls, front to back inside each
// container, a container before its children.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/colour.h"
#include "ui/control_spec.h"
#include "ui/picture_ref.h"

namespace tessivar::ui {

enum class BorderStyle : std::uint8_t { FixedDialog = 3, FixedToolWindow = 4 };
enum class StartUpPosition : std::uint8_t { CenterScreen = 2 };

struct FormSpec {
  std::string_view name;
  std::string_view caption;
  Colour back_color = system_colour::kButtonFace;
  PictureRef picture;
  BorderStyle border_style = BorderStyle::FixedDialog;
  PictureRef icon;
  bool control_box = true;
  bool max_button = false;
  bool min_button = false;
  bool key_preview = false;
  bool show_in_taskbar = true;
  std::int32_t client_width = 0;  // twips
  std::int32_t client_height = 0;
  StartUpPosition start_up_position = StartUpPosition::CenterScreen;
  std::span<const ControlSpec> controls;
};

}  // namespace tessivar::ui
