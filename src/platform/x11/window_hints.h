// What tells the window manager how a window looks and behaves: its type, decorations, fixed
// size, centred place, title, class, icon and the close protocol.
#pragma once

#include "ui/platform.h"
// The Xlib headers come last.
#include "platform/x11/x_atoms.h"

namespace tessivar::x11 {

struct WindowLook {
  ui::WindowKind kind = ui::WindowKind::FixedDialog;
  bool close_button = true;
  bool taskbar_button = true;
  bool dialog_type = false;  // a message box rather than an application window
};

// The fixed size, `client_size` at least and at most, and the place of a window.
void apply_size_hints(Display* display, Window window, ui::Size client_size, ui::Point position);

// Sets every hint on a window that is not mapped yet. `position` is where the client area's
// top-left corner goes; static gravity keeps it there whatever frame the manager adds.
void apply_window_hints(Display* display, Window window, const XAtoms& atoms,
                        const WindowLook& look, std::string_view title, ui::Size client_size,
                        ui::Point position);

// The icon as _NET_WM_ICON: every image of the ICO file, so the manager picks the size it needs.
// A file that cannot be read leaves the window without an icon.
void apply_window_icon(Display* display, Window window, const XAtoms& atoms,
                       std::span<const std::uint8_t> icon_ico);

}  // namespace tessivar::x11
