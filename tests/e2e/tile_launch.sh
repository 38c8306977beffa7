#!/usr/bin/env bash
# A click on a tile hands Wine the program and its arguments as Windows would split the line; a
# failing start is reported in a message window and the program goes on.
set -uo pipefail
source "$(dirname "$0")/x_session.sh"
start_x_session

# A stand-in for Wine that records what it was given, one line a start, and ends with
# WINE_STANDIN_STATUS. Two stand-ins may run at once, so each line goes out in one write.
mkdir -p "$session_dir/bin"
cat >"$session_dir/bin/wine" <<STANDIN
#!/bin/sh
line=
for a in "\$@"; do line="\$line[\$a]"; done
printf '%s\n' "\$line" >>"$session_dir/wine.log"
exit \${WINE_STANDIN_STATUS:-0}
STANDIN
chmod +x "$session_dir/bin/wine"
export PATH="$session_dir/bin:$PATH"

log_has_lines() { [[ -f $session_dir/wine.log && $(wc -l <"$session_dir/wine.log") -ge $1 ]]; }
start_program
await_start_screen
sleep 0.3

# Calc and Regional & language (rundll32 with a comma).
click_in_window "$start" 216 248
click_in_window "$start" 476 327
wait_for 3 log_has_lines 2 || fail "Wine was not started"
# The two starts run side by side, so their lines may come in either order.
expected='[start][C:\WINDOWS\system32\calc.exe]
[start][C:\windows\system32\rundll32.exe][shell32.dll,Control_RunDLL][intl.cpl]'
[[ "$(sort "$session_dir/wine.log")" == "$(sort <<<"$expected")" ]] ||
  fail "Wine got: $(cat "$session_dir/wine.log")"

# A program Wine cannot find: the failure arrives later, as a message window.
kill "$app_pid"; wait "$app_pid" 2>/dev/null
export WINE_STANDIN_STATUS=1
start_program
wait_for 5 has_window_named 'Tessivar 1.0 (BETA)' || fail "the start screen did not reappear"
start=$(windows_named 'Tessivar 1.0 (BETA)')
sleep 0.3
click_in_window "$start" 216 248
wait_for 3 has_window_named Tessivar || fail "no message window for the failed start"
grep -q 'Cannot start "C:\\WINDOWS\\system32\\calc.exe ": the program was not found.' \
  "$session_dir/program.out" || fail "message: $(cat "$session_dir/program.out")"
kill -0 "$app_pid" || fail "the program ended after a failed start"
xdotool windowactivate --sync "$(windows_named Tessivar)" key Return 2>/dev/null || true
wait_for 3 has_no_window_named Tessivar || fail "Enter did not close the message window"

# Three quick clicks on the failing tile: one message window, then, once it is closed, one more
# for the two failures that came while it was up; never a pile of windows.
for _ in 1 2 3; do click_in_window "$start" 216 248; done
failures_logged() { (($(grep -c 'Cannot start' "$session_dir/program.out") >= 4)); }
wait_for 5 failures_logged || fail "the three failures were not all reported"
sleep 0.3
(($(windows_named Tessivar | wc -l) == 1)) || fail "$(windows_named Tessivar | wc -l) message windows are up"
xdotool windowactivate --sync "$(windows_named Tessivar)" key Return 2>/dev/null || true
wait_for 3 has_window_named Tessivar || fail "the failures that waited were not shown"
(($(windows_named Tessivar | wc -l) == 1)) || fail "more than one message window after the first closed"
xdotool windowactivate --sync "$(windows_named Tessivar)" key Return 2>/dev/null || true
wait_for 3 has_no_window_named Tessivar || fail "a message window is left after both were closed"
kill -0 "$app_pid" || fail "the program ended while its message windows were up"
echo "PASS"
