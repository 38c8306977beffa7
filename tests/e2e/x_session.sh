# A private X session for one end-to-end test, with what the tests ask of it. Sourced by the
# test scripts; they call start_x_session first.

source "$(dirname "${BASH_SOURCE[0]}")/../../tools/private_x_session.sh"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# CTest counts exit status 77 as skipped (SKIP_RETURN_CODE).
skip_unless_tools() {
  local tool tools=(Xvfb xdotool xprop xwininfo "$@")
  [[ ${window_manager:-openbox} != none ]] && tools+=("${window_manager:-openbox}")
  for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
}

start_x_session() {
  skip_unless_tools
  start_private_x || fail "no private X session"
}

# Starts the program under test in the background; its pid is in app_pid.
start_program() {
  "$TESSIVAR_PROGRAM" >"$session_dir/program.out" 2>&1 &
  app_pid=$!
  session_pids+=("$app_pid")
}

# Waits for the program to end within $1 seconds and sets app_status.
wait_program_end() {
  wait_for "$1" sh -c "! kill -0 $app_pid 2>/dev/null" || return 1
  wait "$app_pid"
  app_status=$?
  return 0
}

# The visible windows of the program whose name is exactly $1.
windows_named() {
  xdotool search --onlyvisible --name "^$(printf '%s' "$1" | sed 's/[][().*^$]/\\&/g')\$" 2>/dev/null
}

window_of_type() {
  local id
  for id in $(xdotool search --onlyvisible --class tessivar 2>/dev/null); do
    xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q "_NET_WM_WINDOW_TYPE_$1" && echo "$id"
  done
}

# "X Y WIDTH HEIGHT" of a window's client area on the screen.
client_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /^  Width/ {w=$2} /^  Height/ {h=$2} END {print x, y, w, h}'
}

# Clicks at client pixel ($2, $3) of window $1.
click_in_window() {
  local x y w h
  read -r x y w h < <(client_geometry "$1")
  xdotool mousemove $((x + $2)) $((y + $3)) click 1
}

# Conditions for wait_for, which runs them again on every try.
has_window_of_type() { [[ -n $(window_of_type "$1") ]]; }
has_no_window_of_type() { [[ -z $(window_of_type "$1") ]]; }
has_window_named() { [[ -n $(windows_named "$1") ]]; }
has_no_window_named() { [[ -z $(windows_named "$1") ]]; }

# "LEFT RIGHT TOP BOTTOM" of the frame the manager drew round window $1 (all 0 when it says none).
frame_extents() {
  local extents
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ',')
  echo "${extents:-0 0 0 0}"
}

# "X Y" where the client area of window $1 stands when its whole frame is centred on a screen
# $2 by $3 pixels large.
frame_centred_position() {
  local l r t b w h
  read -r l r t b < <(frame_extents "$1")
  read -r _ _ w h < <(client_geometry "$1")
  echo "$((($2 - (w + l + r)) / 2 + l)) $((($3 - (h + t + b)) / 2 + t))"
}

# Waits for the start screen and sets `start` to its window.
await_start_screen() {
  wait_for 5 has_window_named 'Tessivar 1.0 (BETA)' || fail "the start screen did not appear"
  start=$(windows_named 'Tessivar 1.0 (BETA)')
}

# The splash hands over: the start screen appears (in `start`) and the splash goes, within 3
# seconds of `shown_at` (a value of SECONDS).
await_hand_over() {
  await_start_screen
  wait_for 2 has_no_window_of_type SPLASH || fail "the splash window stayed"
  ((SECONDS - shown_at <= 3)) || fail "the hand-over took more than 3 seconds"
}
