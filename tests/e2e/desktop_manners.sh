#!/usr/bin/env bash
# Manners toward the desktop, on a 1024 by 600 screen (a netbook) with a 24-pixel panel on top:
#  - started with DESKTOP_STARTUP_ID, as a launcher starts it, the first window carries the id
#    in _NET_STARTUP_ID and the program sends "remove" for it once that window is up; a program
#    it starts does not inherit the variable;
#  - the window manager's ping is answered;
#  - the start screen, taller with its frame than the work area, has its title bar at the top
#    of the work area and its frame inside the screen, so its close button can be reached.
set -uo pipefail
source "$(dirname "$0")/x_session.sh"
x_screen=1024x600x24
start_x_session
probe=${TESSIVAR_X_PROBE:?the test needs tessivar-x-probe}

"$probe" panel 24 >"$session_dir/panel.out" 2>&1 &
session_pids+=($!)
wait_for 5 grep -q panel "$session_dir/panel.out" || fail "the panel did not start"
# The manager takes the panel's strut into its work area a moment later; the program must place
# its window by whatever work area the manager gives.
workarea_top() { xprop -root _NET_WORKAREA | sed -n 's/.*= //p' | cut -d, -f2 | tr -d ' '; }
workarea_top_is_24() { [[ $(workarea_top) == 24 ]]; }
wait_for 5 workarea_top_is_24 || echo "note: the manager keeps no room for the panel"

# Wine is a stand-in that records the environment it was started with.
mkdir -p "$session_dir/bin"
cat >"$session_dir/bin/wine" <<STANDIN
#!/bin/sh
env >"$session_dir/wine.env"
STANDIN
chmod +x "$session_dir/bin/wine"
export PATH="$session_dir/bin:$PATH"

"$probe" startup 20 >"$session_dir/startup.out" 2>&1 &
session_pids+=($!)
wait_for 5 grep -q listening "$session_dir/startup.out" || fail "the startup listener did not start"
DESKTOP_STARTUP_ID=launcher-7_TIME0 start_program

wait_for 5 has_window_of_type SPLASH || fail "no splash window appeared"
splash=$(window_of_type SPLASH)
xprop -id "$splash" _NET_STARTUP_ID | grep -q '"launcher-7_TIME0"' || fail "the splash carries no startup id"
wait_for 5 grep -q 'remove: ID="launcher-7_TIME0"' "$session_dir/startup.out" ||
  fail "no remove message: $(cat "$session_dir/startup.out")"

await_start_screen
sleep 0.3
"$probe" ping "$start" >/dev/null || fail "the start screen did not answer the manager's ping"

read -r x y w h < <(client_geometry "$start")
read -r left right top bottom < <(frame_extents "$start")
((top > 0)) || fail "the manager drew no title bar"
work_top=$(workarea_top)
((y - top == work_top)) ||
  fail "the title bar is at $((y - top)), not at the work area's top ($work_top)"
((x - left >= 0 && x + w + right <= 1024)) || fail "the frame runs off the screen across: x $x"

click_in_window "$start" 216 248 # Calc
wait_for 3 test -s "$session_dir/wine.env" || fail "the Calc tile did not start Wine"
grep -q DESKTOP_STARTUP_ID "$session_dir/wine.env" && fail "the started program inherited DESKTOP_STARTUP_ID"
kill -0 "$app_pid" || fail "the program ended"
echo "PASS"
