#include "platform/x11/window_hints.h"

#include <unistd.h>

#include <string>
#include <vector>

#include "ui/picture/picture_decoder.h"

namespace tessivar::x11 {

namespace {

// The Motif window manager hints, as managers still read them.
constexpr long kMwmHintsFunctions = 1L << 0;
constexpr long kMwmHintsDecorations = 1L << 1;
constexpr long kMwmFuncMove = 1L << 2;
constexpr long kMwmFuncClose = 1L << 5;
constexpr long kMwmDecorBorder = 1L << 1;
constexpr long kMwmDecorTitle = 1L << 3;
constexpr long kMwmDecorMenu = 1L << 4;

void set_atoms(Display* display, Window window, Atom property, const std::vector<Atom>& values) {
  XChangeProperty(display, window, property, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(values.data()),
                  static_cast<int>(values.size()));
}

void set_cardinals(Display* display, Window window, Atom property,
                   const std::vector<unsigned long>& values) {
  // Format-32 properties travel as C longs on the client side, whatever their width.
  XChangeProperty(display, window, property, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(values.data()),
                  static_cast<int>(values.size()));
}

void set_motif_hints(Display* display, Window window, const XAtoms& atoms, const WindowLook& look) {
  long functions = kMwmFuncMove | (look.close_button ? kMwmFuncClose : 0);
  long decorations = kMwmDecorBorder | kMwmDecorTitle | (look.close_button ? kMwmDecorMenu : 0);
  if (look.kind == ui::WindowKind::Splash) decorations = 0;
  if (look.kind == ui::WindowKind::ToolWindow) decorations = kMwmDecorBorder | kMwmDecorTitle;
  const long hints[5] = {kMwmHintsFunctions | kMwmHintsDecorations, functions, decorations, 0, 0};
  XChangeProperty(display, window, atoms.motif_wm_hints, atoms.motif_wm_hints, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(hints), 5);
}

void set_client_machine(Display* display, Window window) {
  char host[256] = {};
  if (gethostname(host, sizeof host - 1) != 0 || host[0] == '\0') return;
  char* names[] = {host};
  XTextProperty property{};
  if (!XStringListToTextProperty(names, 1, &property)) return;
  XSetWMClientMachine(display, window, &property);
  XFree(property.value);
}

Atom window_type(const XAtoms& atoms, const WindowLook& look) {
  switch (look.kind) {
    case ui::WindowKind::Splash: return atoms.net_wm_window_type_splash;
    case ui::WindowKind::ToolWindow: return atoms.net_wm_window_type_utility;
    case ui::WindowKind::FixedDialog: break;
  }
  return look.dialog_type ? atoms.net_wm_window_type_dialog : atoms.net_wm_window_type_normal;
}

// Whether no other image of the same size has more colour bits, nor as many and comes first.
bool is_deepest_of_its_size(std::span<const ui::IconImageInfo> images, std::size_t index) {
  const ui::IconImageInfo& candidate = images[index];
  for (std::size_t other = 0; other < images.size(); ++other) {
    const ui::IconImageInfo& rival = images[other];
    if (other == index || rival.width != candidate.width || rival.height != candidate.height) {
      continue;
    }
    if (rival.bits_per_pixel > candidate.bits_per_pixel ||
        (rival.bits_per_pixel == candidate.bits_per_pixel && other < index)) {
      return false;
    }
  }
  return true;
}

}  // namespace

void apply_size_hints(Display* display, Window window, ui::Size client_size, ui::Point position) {
  XSizeHints* size = XAllocSizeHints();
  // The program chose the place (PPosition); USPosition is for places the user chose.
  size->flags = PPosition | PMinSize | PMaxSize | PWinGravity;
  size->x = position.x;
  size->y = position.y;
  size->min_width = size->max_width = client_size.width;
  size->min_height = size->max_height = client_size.height;
  size->win_gravity = StaticGravity;
  XSetWMNormalHints(display, window, size);
  XFree(size);
}

void apply_window_hints(Display* display, Window window, const XAtoms& atoms,
                        const WindowLook& look, std::string_view title, ui::Size client_size,
                        ui::Point position) {
  apply_size_hints(display, window, client_size, position);

  XWMHints* wm = XAllocWMHints();
  wm->flags = InputHint | StateHint;
  wm->input = True;
  wm->initial_state = NormalState;
  XSetWMHints(display, window, wm);
  XFree(wm);

  XClassHint* class_hint = XAllocClassHint();
  class_hint->res_name = const_cast<char*>("tessivar");
  class_hint->res_class = const_cast<char*>("Tessivar");
  XSetClassHint(display, window, class_hint);
  XFree(class_hint);

  const std::string name(title);
  XStoreName(display, window, name.c_str());
  XChangeProperty(display, window, atoms.net_wm_name, atoms.utf8_string, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(name.data()),
                  static_cast<int>(name.size()));

  // The manager pings a window to tell a busy program from a hung one.
  Atom protocols[] = {atoms.wm_delete_window, atoms.net_wm_ping};
  XSetWMProtocols(display, window, protocols, 2);
  // The process id means something only together with the machine it runs on.
  set_cardinals(display, window, atoms.net_wm_pid, {static_cast<unsigned long>(getpid())});
  set_client_machine(display, window);
  set_motif_hints(display, window, atoms, look);
  set_atoms(display, window, atoms.net_wm_window_type, {window_type(atoms, look)});
  if (!look.taskbar_button) {
    set_atoms(display, window, atoms.net_wm_state,
              {atoms.net_wm_state_skip_taskbar, atoms.net_wm_state_skip_pager});
  }
}

void apply_window_icon(Display* display, Window window, const XAtoms& atoms,
                       std::span<const std::uint8_t> icon_ico) {
  if (icon_ico.empty()) return;
  std::vector<unsigned long> data;
  try {
    const auto images = ui::read_icon_directory(icon_ico, "window icon");
    for (std::size_t i = 0; i < images.size(); ++i) {
      // Managers take the first image of the size they want, so of several images of one size
      // only the deepest goes: the 4- and 8-bit copies of a 32-bit image would only take its
      // place, and their room in the property, which the manager keeps a copy of.
      if (!is_deepest_of_its_size(images, i)) continue;
      const ui::Bitmap image = ui::decode_icon_image(icon_ico, "window icon", i);
      if (image.empty()) continue;
      data.push_back(static_cast<unsigned long>(image.width));
      data.push_back(static_cast<unsigned long>(image.height));
      for (ui::Pixel p : image.pixels) data.push_back(p);  // both are 0xAARRGGBB
    }
  } catch (const ui::Error&) {
    return;  // the window is still usable without its icon
  }
  if (!data.empty()) set_cardinals(display, window, atoms.net_wm_icon, data);
}

}  // namespace tessivar::x11
