#include "platform/x11/x_atoms.h"

#include <array>

namespace tessivar::x11 {

XAtoms XAtoms::intern(Display* display) {
  // In the order of the members.
  std::array names{
      "WM_PROTOCOLS",
      "WM_DELETE_WINDOW",
      "UTF8_STRING",
      "_NET_WM_NAME",
      "_NET_WM_ICON",
      "_NET_WM_PID",
      "_NET_WM_WINDOW_TYPE",
      "_NET_WM_WINDOW_TYPE_NORMAL",
      "_NET_WM_WINDOW_TYPE_DIALOG",
      "_NET_WM_WINDOW_TYPE_SPLASH",
      "_NET_WM_WINDOW_TYPE_UTILITY",
      "_NET_WM_STATE",
      "_NET_WM_STATE_SKIP_TASKBAR",
      "_NET_WM_STATE_SKIP_PAGER",
      "_NET_ACTIVE_WINDOW",
      "_MOTIF_WM_HINTS",
  };
  std::array<Atom, names.size()> atoms{};
  XInternAtoms(display, const_cast<char**>(names.data()), static_cast<int>(names.size()), False,
               atoms.data());
  XAtoms a{};
  Atom* members[] = {&a.wm_protocols,
                     &a.wm_delete_window,
                     &a.utf8_string,
                     &a.net_wm_name,
                     &a.net_wm_icon,
                     &a.net_wm_pid,
                     &a.net_wm_window_type,
                     &a.net_wm_window_type_normal,
                     &a.net_wm_window_type_dialog,
                     &a.net_wm_window_type_splash,
                     &a.net_wm_window_type_utility,
                     &a.net_wm_state,
                     &a.net_wm_state_skip_taskbar,
                     &a.net_wm_state_skip_pager,
                     &a.net_active_window,
                     &a.motif_wm_hints};
  static_assert(std::size(members) == names.size());
  for (std::size_t i = 0; i < names.size(); ++i) *members[i] = atoms[i];
  return a;
}

}  // namespace tessivar::x11
