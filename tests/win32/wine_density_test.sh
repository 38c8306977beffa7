#!/usr/bin/env bash
# The Windows backend and the 64-bit program at the screen densities Windows offers, under Wine
# in a fresh prefix on a private Xvfb. Wine takes the screen's density from LogPixels under
# HKCU\Control Panel\Desktop, read when its processes start.
#  - At 96, 120, 144 and 192 dots per inch, tessivar_density_check.exe finds screen_dpi() that
#    density and every kind of window, resized and moved to another density, exactly the size
#    the engine asks for (tests/win32/on_windows/density_check.cpp).
#  - The start screen's client area is 15240 by 9705 twips at the screen's density, each edge
#    rounded: 1016 by 647 pixels at 96, 1270 by 809 at 120, 1524 by 971 at 144 (970.5 rounds
#    up), 2032 by 1294 at 192.
#  - A screenshot of the start screen at 192 dots per inch is saved at SCREENSHOT, and of the
#    splash and About windows at 120, 144 and 192 beside it (splash-120dpi.png, about-120dpi.png,
#    ...), for a person to look at; whether their captions stand on the Linux program's lines is
#    wine_faces_test.sh's to check. About at 120 must match tests/win32/references/about-120dpi.png
#    (the splash's reference beside it is for looking at: its screenshot races the hand-over). The splash is up for one second: should the hand-over win the
#    race with the screenshot, its picture is missing and the test says so.
# The start screen at 192 dots per inch needs a screen of 2560 by 1600 pixels. Skips (status 77)
# when Wine, Xvfb or ImageMagick's import is missing.
#   wine_density_test.sh TESSIVAR_EXE DENSITY_CHECK_EXE SCREENSHOT
set -uo pipefail
exe=$(realpath "$1")
check=$(realpath "$2")
screenshot=$3
source "$(dirname "$0")/wine_prefix.sh"

command -v import >/dev/null || { echo "SKIP: import (imagemagick) is not installed"; exit 77; }
[[ -f $check ]] || fail "$check does not exist (tools/build-windows.sh makes it)"
x_screen=2560x1600x24
start_wine_session "$exe"

# Every Wine process of the prefix ends first: the next one started reads the new density.
set_density() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    >"$session_dir/reg.log" 2>&1 ||
    fail "LogPixels could not be set to $1: $(cat "$session_dir/reg.log")"
  stop_wine
}

for dpi in 96 120 144 192; do
  set_density "$dpi"
  echo "--- the backend at $dpi dots per inch"
  timeout 120 wine "$check" "$dpi" >"$session_dir/density-$dpi.out" 2>&1
  status=$?
  cat "$session_dir/density-$dpi.out"
  ((status == 0)) || fail "the density check at $dpi dots per inch failed (status $status)"
done

start_title='Tessivar 1.0 (BETA)'
about_title='About Tessivar  Version 1.0 (BETA)'
shots_dir=$(dirname "$screenshot")
references=$(dirname "$0")/references
program_windows() { xdotool search --onlyvisible --class 'tessivar' 2>/dev/null; }
has_program_window() { [[ -n $(program_windows) ]]; }
# Starts the program, waits for the start screen, sets `size` to its client size and, given a
# file, saves a screenshot there; ends the program.
measure_start_screen() {
  (cd "$session_dir" && exec wine "$exe") >"$session_dir/program-$1.out" 2>&1 &
  app_pid=$!
  session_pids+=("$app_pid")
  if (($1 != 96)); then
    wait_for 40 has_program_window || fail "no window at $1 dots per inch"
    sleep 0.2  # the splash's first painting
    import -window "$(program_windows | head -n1)" "$shots_dir/splash-$1dpi.png" 2>/dev/null ||
      echo "the splash had gone before its screenshot at $1 dots per inch"
  fi
  wait_for 40 has_window_named "$start_title" || fail "no start screen at $1 dots per inch"
  start=$(windows_named "$start_title")
  sleep 1  # the first painting
  local width height
  read -r _ _ width height < <(client_geometry "$start")
  size="$width x $height"
  if [[ -n ${2:-} ]]; then
    import -window "$start" "$2" || fail "no screenshot at $1 dots per inch"
  fi
  if (($1 != 96)); then
    # The About tile, at its place of 96 dots per inch scaled.
    click_in_window "$start" $((528 * $1 / 96)) $((608 * $1 / 96))
    wait_for 10 has_window_named "$about_title" || fail "no About window at $1 dots per inch"
    sleep 0.5
    import -window "$(windows_named "$about_title")" "$shots_dir/about-$1dpi.png" ||
      fail "no screenshot of About at $1 dots per inch"
    if (($1 == 120)); then
      # A few pixels of anti-aliasing may differ, no caption may move.
      local differing
      differing=$(compare -metric AE -fuzz 2% "$references/about-120dpi.png" \
        "$shots_dir/about-120dpi.png" null: 2>&1)
      echo "About at 120 dots per inch: $differing pixels differ from the reference"
      [[ $differing =~ ^[0-9]+$ ]] && ((differing <= 200)) ||
        fail "About at 120 dots per inch is not as its reference ($shots_dir/about-120dpi.png)"
    fi
    xdotool windowactivate --sync "$(windows_named "$about_title")" key alt+F4 2>/dev/null
    wait_for 10 has_no_window_named "$about_title" || fail "About did not close at $1 dots per inch"
  fi
  xdotool windowactivate --sync "$start" key alt+F4 2>/dev/null
  wait_program_end 15 || fail "the program did not end at $1 dots per inch"
  ((app_status == 0)) || fail "the program ended with status $app_status at $1 dots per inch"
}

# density  start screen's client area
expected_sizes=(
  "96      1016 x 647"
  "120     1270 x 809"
  "144     1524 x 971"
  "192     2032 x 1294"
)
for row in "${expected_sizes[@]}"; do
  read -r dpi expected <<<"$row"
  set_density "$dpi"
  shot=""
  ((dpi == 192)) && shot=$screenshot
  measure_start_screen "$dpi" "$shot"
  echo "the start screen at $dpi dots per inch: client area $size"
  [[ $size == "$expected" ]] ||
    fail "the start screen's client area at $dpi dots per inch is $size, not $expected"
done
echo "the start screen at 192 dots per inch: $screenshot"
echo "the splash and About windows: $shots_dir/{splash,about}-{120,144,192}dpi.png"
echo "PASS"
