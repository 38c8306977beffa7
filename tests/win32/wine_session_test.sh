#!/usr/bin/env bash
# A Windows program under Wine, in a fresh prefix on a private Xvfb with openbox, the prefix set
# to the Windows version given (winxp for the 32-bit program, in a 32-bit prefix; winxp64, win7
# or win10 for the 64-bit one):
#  - the splash window (561 by 300 client area) hands over to "Tessivar 1.0 (BETA)" with a 1016
#    by 647 client area;
#  - a click on the Cmd tile starts Wine's cmd.exe;
#  - a click on the Calc tile, whose program Wine lacks, shows the error box and the start
#    screen stays;
#  - the Outlook Express tile ("C:\Program Files\Outlook Express\msimn.exe", unquoted) does not
#    start a program planted at "C:\Program Files\Outlook.exe": it fails with the error box;
#  - the About tile opens the About window (453 by 443), once however often it is clicked.
# Skips (status 77) when Wine, Xvfb or the mingw-w64 compiler for the planted program is missing,
# and for the 32-bit program where this machine's Wine cannot start 32-bit programs.
#   wine_session_test.sh TESSIVAR_EXE WINDOWS_VERSION
set -uo pipefail
exe=$(realpath "$1")
version=$2
source "$(dirname "$0")/wine_prefix.sh"

if [[ $version == winxp ]]; then
  start_wine32_session "$exe"
else
  start_wine_session "$exe"
fi
set_windows_version "$version"

# The planted programs: were the unquoted path split at its first space, Windows would run one.
plant_program "$drive_c/Program Files/Outlook.exe" "$drive_c/Program.exe"

program_windows() { xdotool search --onlyvisible --class 'tessivar' 2>/dev/null; }
has_program_window() { [[ -n $(program_windows) ]]; }
has_process() { pgrep -i -f "$1" >/dev/null; }
close_error_box() {
  local box
  box=$(windows_named Tessivar | head -n1)
  [[ -n $box ]] && xdotool windowactivate --sync "$box" key Return 2>/dev/null
  wait_for 5 has_no_window_named Tessivar || fail "the error box did not close"
}

started=$(date +%s%N)
(cd "$session_dir" && exec wine "$exe") >"$session_dir/program.out" 2>&1 &
app_pid=$!
session_pids+=("$app_pid")
wait_for 30 has_program_window || fail "no window appeared within 30 s"
splash_ms=$((($(date +%s%N) - started) / 1000000))
first_window=$(program_windows | head -n1)
echo "the splash window appeared after $splash_ms ms"
# No window manager frames the splash window: Wine draws its one-pixel border (WS_BORDER) inside
# the X window itself, which is the client area and that border.
read -r _ _ width height < <(client_geometry "$first_window")
[[ "$width x $height" == "563 x 302" ]] ||
  fail "the splash window is $width x $height with its border, not a client area of 561 x 300"
# Read while the splash is up; should the hand-over win the race, there is nothing to read.
if splash_state=$(xprop -id "$first_window" _NET_WM_STATE 2>/dev/null); then
  grep -q SKIP_TASKBAR <<<"$splash_state" || fail "the splash window has a taskbar button"
fi

wait_for 10 has_window_named 'Tessivar 1.0 (BETA)' || fail "the start screen did not appear"
start=$(windows_named 'Tessivar 1.0 (BETA)')
read -r _ _ width height < <(client_geometry "$start")
[[ "$width x $height" == "1016 x 647" ]] || fail "the start screen's client area is $width x $height"
[[ $(program_windows | wc -l) -eq 1 ]] || fail "the splash window is still there after the hand-over"
sleep 0.5

# The canvas's origin lies at client pixel (92, 92); 15 twips to the pixel. Cmd (Image2) is at
# canvas twips (0, 3000), Calc (Image17) at (1320, 1800), Out look (Image20) at (10440, 1800);
# each is 72 pixels square, clicked in its middle.
# The start screen is raised first: a console that cmd.exe opened may lie over it.
click_start() {
  xdotool windowactivate --sync "$start" 2>/dev/null
  click_in_window "$start" "$1" "$2"
}
click_tile() { click_start $((92 + $1 / 15 + 36)) $((92 + $2 / 15 + 36)); }

click_tile 0 3000
wait_for 15 has_process 'system32.cmd\.exe' || fail "the Cmd tile did not start cmd.exe"
# Its console window comes a little later; once it is there, raising the start screen over it
# keeps it from catching the next clicks.
has_console() { [[ -n $(xdotool search --onlyvisible --name 'cmd\.exe' 2>/dev/null) ]]; }
wait_for 15 has_console || fail "cmd.exe opened no console window"

click_tile 1320 1800
wait_for 10 has_window_named Tessivar || fail "the Calc tile showed no error box"
has_window_named 'Tessivar 1.0 (BETA)' || fail "the start screen went away after a failed start"
close_error_box

box_or_marker() { has_window_named Tessivar || [[ -e $planted_marker ]]; }
click_tile 10440 1800
wait_for 10 box_or_marker
sleep 1  # a planted program started alongside the box would have written its marker by now
no_planted_program_ran
has_window_named Tessivar || fail "the Outlook Express tile showed no error box"
has_window_named 'Tessivar 1.0 (BETA)' || fail "the start screen went away after a failed start"
close_error_box

# Wine tells the window manager what the styles mean: the start screen has a taskbar button, the
# About window is a tool window without one.
! xprop -id "$start" _NET_WM_STATE | grep -q SKIP_TASKBAR || fail "the start screen has no taskbar button"
about_title='About Tessivar  Version 1.0 (BETA)'
click_start 528 608
wait_for 10 has_window_named "$about_title" || fail "the About tile showed no About window"
click_start 528 608
sleep 0.5
(($(windows_named "$about_title" | wc -l) == 1)) || fail "more than one About window"
about=$(windows_named "$about_title")
about_size=$(windows_client_size "$about_title")
[[ $about_size == "453 x 443" ]] || fail "the About window's client area is ${about_size:-unknown}"
xprop -id "$about" _NET_WM_STATE | grep -q SKIP_TASKBAR || fail "the About window has a taskbar button"

# Closing the start screen leaves the About window; closing that ends the program.
xdotool windowactivate --sync "$start" key alt+F4
wait_for 10 has_no_window_named 'Tessivar 1.0 (BETA)' || fail "the start screen did not close"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended with the About window open"
xdotool windowactivate --sync "$about" key alt+F4
wait_program_end 10 || fail "the program did not end after its last window closed"
((app_status == 0)) || fail "exit status $app_status"

# A key that makes a character ends the splash window, and with it the program.
(cd "$session_dir" && exec wine "$exe") >"$session_dir/program2.out" 2>&1 &
app_pid=$!
session_pids+=("$app_pid")
wait_for 30 has_program_window || fail "no window appeared on the second start"
splash=$(program_windows | head -n1)
xdotool windowactivate --sync "$splash" key x 2>/dev/null
wait_program_end 10 || fail "a key did not end the program from the splash window"
has_window_named 'Tessivar 1.0 (BETA)' && fail "the start screen opened after the splash was dismissed"

echo "PASS"
