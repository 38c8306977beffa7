#include "platform/x11/x_atoms.h"

#include <array>
#include <utility>

namespace tessivar::x11 {

XAtoms XAtoms::intern(Display* display) {
  // clang-format off
  static constexpr std::array<std::pair<const char*, Atom XAtoms::*>, 24> kNames{{
      {"WM_PROTOCOLS",                &XAtoms::wm_protocols},
      {"WM_DELETE_WINDOW",            &XAtoms::wm_delete_window},
      {"UTF8_STRING",                 &XAtoms::utf8_string},
      {"_NET_WM_NAME",                &XAtoms::net_wm_name},
      {"_NET_WM_ICON",                &XAtoms::net_wm_icon},
      {"_NET_WM_PID",                 &XAtoms::net_wm_pid},
      {"_NET_WM_WINDOW_TYPE",         &XAtoms::net_wm_window_type},
      {"_NET_WM_WINDOW_TYPE_NORMAL",  &XAtoms::net_wm_window_type_normal},
      {"_NET_WM_WINDOW_TYPE_DIALOG",  &XAtoms::net_wm_window_type_dialog},
      {"_NET_WM_WINDOW_TYPE_SPLASH",  &XAtoms::net_wm_window_type_splash},
      {"_NET_WM_WINDOW_TYPE_UTILITY", &XAtoms::net_wm_window_type_utility},
      {"_NET_WM_STATE",               &XAtoms::net_wm_state},
      {"_NET_WM_STATE_SKIP_TASKBAR",  &XAtoms::net_wm_state_skip_taskbar},
      {"_NET_WM_STATE_SKIP_PAGER",    &XAtoms::net_wm_state_skip_pager},
      {"_NET_ACTIVE_WINDOW",          &XAtoms::net_active_window},
      {"_MOTIF_WM_HINTS",             &XAtoms::motif_wm_hints},
      {"_NET_WM_PING",                &XAtoms::net_wm_ping},
      {"_NET_STARTUP_ID",             &XAtoms::net_startup_id},
      {"_NET_STARTUP_INFO_BEGIN",     &XAtoms::net_startup_info_begin},
      {"_NET_STARTUP_INFO",           &XAtoms::net_startup_info},
      {"_NET_FRAME_EXTENTS",          &XAtoms::net_frame_extents},
      {"_NET_REQUEST_FRAME_EXTENTS",  &XAtoms::net_request_frame_extents},
      {"_NET_WORKAREA",               &XAtoms::net_workarea},
      {"_NET_SUPPORTED",              &XAtoms::net_supported},
  }};
  // clang-format on
  std::array<char*, kNames.size()> names{};
  for (std::size_t i = 0; i < kNames.size(); ++i) names[i] = const_cast<char*>(kNames[i].first);
  std::array<Atom, kNames.size()> atoms{};
  // One round trip for all of them.
  XInternAtoms(display, names.data(), static_cast<int>(names.size()), False, atoms.data());
  XAtoms a{};
  for (std::size_t i = 0; i < kNames.size(); ++i) a.*(kNames[i].second) = atoms[i];
  return a;
}

}  // namespace tessivar::x11
