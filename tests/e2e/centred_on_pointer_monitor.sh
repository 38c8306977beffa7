#!/usr/bin/env bash
# With two monitors, the window is centred on the one that holds the pointer.
set -uo pipefail
source "$(dirname "$0")/x_session.sh"
skip_unless_tools xrandr
start_x_session
# The 1280x800 screen as two monitors side by side, 640 pixels wide each.
xrandr --setmonitor tessivar-left 640/169x800/267+0+0 none >/dev/null 2>&1 &&
  xrandr --setmonitor tessivar-right 640/169x800/267+640+0 none >/dev/null 2>&1 ||
  { echo "SKIP: this X server cannot describe monitors"; exit 77; }
xdotool mousemove 1000 400
start_program

wait_for 5 has_window_of_type SPLASH || fail "no splash window appeared"
read -r x y w h < <(client_geometry "$(window_of_type SPLASH)")
[[ "$x $y" == "$((640 + (640 - w) / 2)) $(((800 - h) / 2))" ]] ||
  fail "splash at $x,$y, not centred on the right-hand monitor"
echo "PASS"
