#!/usr/bin/env bash
# openbox offers a minimise button whatever the hints say (it allows _NET_WM_ACTION_MINIMIZE),
# so a user can iconify the start screen. The program takes it in its stride: iconified, it
# keeps running and its clock keeps going; restored, it shows itself whole and current again,
# and the keyboard pages the canvas as before (the focus is back on it).
set -uo pipefail
source "$(dirname "$0")/x_session.sh"
start_x_session
start_program

await_start_screen
sleep 0.5

# The clock tile's time label and a strip of the canvas, as the screen shows them.
shot() { import -window "$start" -crop "$2" +repage "$session_dir/$1.png" 2>/dev/null; }
same() { cmp -s "$session_dir/$1.png" "$session_dir/$2.png"; }
clock=100x30+110+462
canvas=300x60+100+100

shot clock-before "$clock"
shot canvas-before "$canvas"
xdotool windowminimize --sync "$start" 2>/dev/null || fail "the start screen could not be iconified"
is_iconic() { xprop -id "$start" WM_STATE | grep -q 'window state: Iconic'; }
wait_for 3 is_iconic || fail "the start screen did not become iconic"
sleep 1.5
kill -0 "$app_pid" || fail "the program ended when iconified"

xdotool windowactivate --sync "$start" 2>/dev/null
is_normal() { xprop -id "$start" WM_STATE | grep -q 'window state: Normal'; }
wait_for 3 is_normal || fail "the start screen was not restored"
sleep 0.3
shot clock-after "$clock"
shot canvas-after "$canvas"
same canvas-before canvas-after || fail "the restored window does not show what it showed"
same clock-before clock-after && fail "the clock stood still while the window was iconified"

xdotool key --window "$start" Next
sleep 0.5
shot canvas-paged "$canvas"
same canvas-after canvas-paged && fail "Page Down did not page the canvas after the restore"
kill -0 "$app_pid" || fail "the program ended"
echo "PASS"
