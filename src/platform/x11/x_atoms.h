// The atoms the backend speaks to the window manager with, interned in one round trip.
#pragma once

#include "platform/x11/x11_display.h"

namespace tessivar::x11 {

struct XAtoms {
  Atom wm_protocols;
  Atom wm_delete_window;
  Atom utf8_string;
  Atom net_wm_name;
  Atom net_wm_icon;
  Atom net_wm_pid;
  Atom net_wm_window_type;
  Atom net_wm_window_type_normal;
  Atom net_wm_window_type_dialog;
  Atom net_wm_window_type_splash;
  Atom net_wm_window_type_utility;
  Atom net_wm_state;
  Atom net_wm_state_skip_taskbar;
  Atom net_wm_state_skip_pager;
  Atom net_active_window;
  Atom motif_wm_hints;
  Atom net_wm_ping;
  Atom net_startup_id;
  Atom net_startup_info_begin;
  Atom net_startup_info;
  Atom net_frame_extents;
  Atom net_request_frame_extents;
  Atom net_workarea;
  Atom net_supported;

  static XAtoms intern(Display* display);
};

}  // namespace tessivar::x11
