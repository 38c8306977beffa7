#!/usr/bin/env bash
# Under a window manager that honours the Motif hints (xfwm4), the title bars offer what the
# windows describe and no more: the start screen and the About window can be moved and closed,
# not minimised or maximised (_NET_WM_ALLOWED_ACTIONS, which the manager derives from the hints),
# and the splash window has no frame at all. The start screen's frame is centred, title bar and
# all.
set -uo pipefail
source "$(dirname "$0")/x_session.sh"
window_manager=xfwm4
skip_unless_tools dbus-daemon
start_x_session
start_program

# "yes" or "no" for each of CLOSE MOVE MINIMIZE MAXIMIZE_HORZ, as the manager allows them.
allowed() {
  local actions a
  actions=$(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)
  for a in CLOSE MOVE MINIMIZE MAXIMIZE_HORZ; do
    grep -q "_NET_WM_ACTION_$a\\b" <<<"$actions" && printf 'yes ' || printf 'no '
  done
}

wait_for 5 has_window_of_type SPLASH || fail "no splash window appeared"
splash=$(window_of_type SPLASH)
wait_for 3 sh -c "xprop -id $splash _NET_FRAME_EXTENTS | grep -q '='" || true
[[ $(frame_extents "$splash") == "0 0 0 0" ]] || fail "the splash has a frame: $(frame_extents "$splash")"

await_start_screen
wait_for 3 sh -c "xprop -id $start _NET_WM_ALLOWED_ACTIONS | grep -q CLOSE" ||
  fail "the manager set no allowed actions"
[[ $(allowed "$start") == "yes yes no no " ]] || fail "start screen's buttons (close move min max): $(allowed "$start")"
read -r x y _ _ < <(client_geometry "$start")
[[ "$x $y" == "$(frame_centred_position "$start" 1280 800)" ]] ||
  fail "the start screen's frame is not centred under xfwm4: client at $x,$y"

click_in_window "$start" 528 608  # the About tile
wait_for 5 has_window_named 'About Tessivar  Version 1.0 (BETA)' || fail "no About window"
about=$(windows_named 'About Tessivar  Version 1.0 (BETA)')
wait_for 3 sh -c "xprop -id $about _NET_WM_ALLOWED_ACTIONS | grep -q CLOSE" || true
[[ $(allowed "$about") == "yes yes no no " ]] || fail "About window's buttons: $(allowed "$about")"
kill -0 "$app_pid" || fail "the program ended"
echo "PASS"
