#!/usr/bin/env bash
# The tiles that name their program without a folder ("rundll32.exe shell32.dll,...") start the
# system folder's program and nothing else, under Wine, for the Windows program and for the
# Linux one (which hands the lines to Wine):
#  - a rundll32.exe planted beside tessivar.exe (as in a Downloads folder) and one in the current
#    folder never run; the system's own does: Add/Remove opens Wine's "Add/Remove Programs";
#  - with the system's rundll32.exe gone, Regional & language reports the failure in the message
#    window, and still nothing planted runs.
# Skips (status 77) when Wine, Xvfb or the mingw-w64 compiler for the planted program is missing.
#   wine_system_programs_test.sh TESSIVAR_EXE [LINUX_PROGRAM]
set -uo pipefail
exe=$(realpath "$1")
linux_program=${2:+$(realpath "$2")}
source "$(dirname "$0")/wine_prefix.sh"

start_wine_session "$exe"
downloads="$drive_c/users/Public/Downloads"
cwd="$session_dir/current folder"
mkdir -p "$downloads" "$cwd"
cp "$exe" "$downloads/tessivar.exe"
plant_program "$downloads/rundll32.exe" "$cwd/rundll32.exe" "$cwd/rundll32"
system_rundll32="$drive_c/windows/system32/rundll32.exe"

start_title='Tessivar 1.0 (BETA)'

# Runs the launcher given by the arguments from the planted current folder, then checks both
# tiles and closes it.
check_launcher() {
  local what=$1 start
  shift
  (cd "$cwd" && exec "$@") >"$session_dir/program.out" 2>&1 &
  app_pid=$!
  session_pids+=("$app_pid")
  wait_for 30 has_window_named "$start_title" || fail "$what: the start screen did not appear"
  start=$(windows_named "$start_title")
  sleep 0.5

  # Add/Remove (canvas twips 10440, 600).
  click_in_window "$start" 824 168
  add_remove_or_marker() { has_window_named 'Add/Remove Programs' || [[ -e $planted_marker ]]; }
  wait_for 20 add_remove_or_marker
  no_planted_program_ran
  has_window_named 'Add/Remove Programs' ||
    fail "$what: the system's rundll32.exe did not open Add/Remove Programs"
  xdotool windowactivate --sync "$(windows_named 'Add/Remove Programs')" key alt+F4 2>/dev/null
  wait_for 10 has_no_window_named 'Add/Remove Programs' || fail "$what: Add/Remove did not close"

  # Regional & language (canvas twips 4560, 3000), with the system's program gone.
  mv "$system_rundll32" "$system_rundll32.away"
  xdotool windowactivate --sync "$start" 2>/dev/null
  click_in_window "$start" 476 327
  wait_for 15 has_window_named Tessivar || fail "$what: a missing system program showed no message"
  sleep 1  # a planted program started in its place would have written its marker by now
  no_planted_program_ran
  mv "$system_rundll32.away" "$system_rundll32"
  xdotool windowactivate --sync "$(windows_named Tessivar | head -n1)" key Return 2>/dev/null
  wait_for 5 has_no_window_named Tessivar || fail "$what: the message window did not close"

  xdotool windowactivate --sync "$start" key alt+F4 2>/dev/null
  wait_program_end 15 || fail "$what: the program did not end when its window closed"
  ((app_status == 0)) || fail "$what: exit status $app_status"
}

check_launcher "the Windows program" wine "$downloads/tessivar.exe"
echo "the Windows program started the system's rundll32.exe only"
if [[ -n $linux_program ]]; then
  check_launcher "the Linux program" "$linux_program"
  echo "the Linux program handed Wine the system's rundll32.exe only"
fi
echo "PASS"
