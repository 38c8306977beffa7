#!/usr/bin/env bash
# Page Down pages the canvas: in a screenshot of the start screen the viewport changes and the
# rest of the window stays as it was.
set -uo pipefail
source "$(dirname "$0")/x_session.sh"
skip_unless_tools import compare
start_x_session
start_program

await_start_screen
wait_for 2 sh -c "xdotool getwindowfocus | grep -qx $start" || fail "the start screen has no keyboard focus"
sleep 0.3  # the clock's first ticks
import -window "$start" "$session_dir/before.png" || fail "no screenshot"
xdotool key Next
sleep 0.3
import -window "$start" "$session_dir/after.png" || fail "no screenshot"

# Pixels that differ inside the viewport (its inside is 837x397 at 90,130) and in the window's
# top band above it, where only the wallpaper, the title and the logo are.
differing() {
  compare -metric AE -extract "$1" "$session_dir/before.png" "$session_dir/after.png" null: 2>&1 |
    cut -d' ' -f1
}
viewport=$(differing 837x397+90+130)
top_band=$(differing 1016x120+0+0)
((viewport > 10000)) || fail "Page Down changed only $viewport pixels of the viewport"
((top_band == 0)) || fail "Page Down changed $top_band pixels outside the viewport"
echo "PASS"
