#!/usr/bin/env bash
# A character key during the splash ends the program with status 0, and the start screen never
# opens; a key that makes no character (an arrow, Ctrl+1) leaves the splash up.
set -uo pipefail
source "$(dirname "$0")/x_session.sh"
start_x_session
start_program

wait_for 5 has_window_of_type SPLASH || fail "no splash window appeared"
splash=$(window_of_type SPLASH)
wait_for 2 sh -c "xdotool getwindowfocus | grep -qx $splash" || fail "the splash window has no keyboard focus"
xdotool key Left
sleep 0.1
kill -0 "$app_pid" 2>/dev/null || fail "an arrow key ended the program"
# Ctrl with a digit makes no character on Windows, and so none here.
xdotool key ctrl+1
sleep 0.1
kill -0 "$app_pid" 2>/dev/null || fail "Ctrl+1 ended the program"
xdotool key a
wait_program_end 3 || fail "the program did not end after a character key"
((app_status == 0)) || fail "exit status $app_status"
grep -q 'Tessivar 1.0' "$session_dir/program.out" && fail "unexpected output"
echo "PASS"
