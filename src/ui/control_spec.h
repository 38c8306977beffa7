// The fixed description of one control. Fields that a description does not give keep the
// defaults written here, so a description lists only what it gives.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "ui/colour.h"
#include "ui/font.h"
#include "ui/picture_ref.h"

namespace tessivar::ui {

enum class Alignment : std::uint8_t { Left = 0, Right = 1, Centre = 2 };
enum class BackStyle : std::uint8_t { Transparent = 0, Opaque = 1 };

inline constexpr FontSpec kDefaultFont{.face = "MS Sans Serif", .points = 8.25};

struct LabelSpec {
  std::string_view caption;
  Alignment alignment = Alignment::Left;
  bool auto_size = false;
  BackStyle back_style = BackStyle::Opaque;
  Colour back_color = system_colour::kButtonFace;
  Colour fore_color = system_colour::kButtonText;
  FontSpec font = kDefaultFont;
};

struct ImageSpec {
  PictureRef picture;
  bool stretch = false;
};

struct PictureBoxSpec {
  PictureRef picture;
  Colour back_color = system_colour::kButtonFace;
};

struct FrameSpec {
  std::string_view caption;
  Colour back_color = system_colour::kButtonFace;
  Colour fore_color = system_colour::kButtonText;
  FontSpec font = kDefaultFont;
};

// No description gives a scroll bar's numbers; these are the model's defaults.
struct ScrollBarFields {
  std::int16_t min = 0;
  std::int16_t max = 32767;
  std::int16_t value = 0;
  std::int16_t small_change = 1;
  std::int16_t large_change = 1;
};
struct HScrollBarSpec : ScrollBarFields {};
struct VScrollBarSpec : ScrollBarFields {};

struct TimerSpec {
  std::int32_t interval = 0;  // milliseconds, 0 to 65535; 0 never ticks
  bool enabled = true;
};

using KindSpec = std::variant<LabelSpec, ImageSpec, PictureBoxSpec, FrameSpec, HScrollBarSpec,
                              VScrollBarSpec, TimerSpec>;

enum class ControlKind { Label, Image, PictureBox, Frame, HScrollBar, VScrollBar, Timer };

struct ControlSpec {
  std::string_view name;
  std::string_view container;  // the window's name, or a PictureBox or Frame of the window
  std::int16_t left = 0;       // twips, from the container's client area; a Timer has none
  std::int16_t top = 0;
  std::int16_t width = 0;
  std::int16_t height = 0;
  std::optional<std::int16_t> tab_index;  // Images and Timers have none
  bool visible = true;
  KindSpec kind;
};

inline ControlKind kind_of(const ControlSpec& spec) {
  return static_cast<ControlKind>(spec.kind.index());
}

// Windowed kinds are drawn in front of the lightweight ones of the same container.
inline bool is_windowed(ControlKind kind) {
  return kind == ControlKind::PictureBox || kind == ControlKind::Frame ||
         kind == ControlKind::HScrollBar || kind == ControlKind::VScrollBar;
}

inline bool is_container(ControlKind kind) {
  return kind == ControlKind::PictureBox || kind == ControlKind::Frame;
}

}  // namespace tessivar::ui
