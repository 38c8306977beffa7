#!/usr/bin/env bash
# Two clicks on the About tile leave one About window; closing the start screen leaves the About
# window and the program running; closing the About window then ends the program with status 0.
set -uo pipefail
source "$(dirname "$0")/x_session.sh"
start_x_session
start_program

about_title='About Tessivar  Version 1.0 (BETA)'
await_start_screen
sleep 0.3
click_in_window "$start" 528 608
wait_for 3 has_window_named "$about_title" || fail "no About window"
about=$(windows_named "$about_title")
# The second click brings the same window to the front and activates it. Waiting for that also
# keeps the keys below from racing the program's handling of the click, which would move the
# focus back to the About window after the start screen had been activated for Alt+F4.
xdotool windowactivate --sync "$start"
click_in_window "$start" 528 608
about_is_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$about" ]]; }
wait_for 3 about_is_active || fail "the second click did not activate the About window"
(($(windows_named "$about_title" | wc -l) == 1)) || fail "more than one About window"
xprop -id "$about" _NET_WM_WINDOW_TYPE | grep -q UTILITY || fail "About is not a tool window"
xprop -id "$about" _NET_WM_STATE | grep -q SKIP_TASKBAR || fail "About has a taskbar button"

# Alt+F4 makes openbox ask the focused window to close (WM_DELETE_WINDOW).
xdotool windowactivate --sync "$start" key alt+F4
wait_for 3 has_no_window_named 'Tessivar 1.0 (BETA)' || fail "the start screen did not close"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended with the About window open"
xdotool windowactivate --sync "$about" key alt+F4
wait_program_end 3 || fail "the program did not end after its last window closed"
((app_status == 0)) || fail "exit status $app_status"
echo "PASS"
