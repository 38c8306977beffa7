# A private X server for whatever needs a display on a machine that may have none: Xvfb on a
# free display with openbox as its window manager. Every process started through it (listed in
# session_pids) is stopped by its process id when the script exits, whatever the outcome.
# Sourced by tools/run.sh and by the end-to-end tests.

session_pids=()
session_dir=$(mktemp -d /tmp/tessivar-x.XXXXXX)

stop_session() {
  local pid
  for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
    pid=${session_pids[i]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$session_dir"
}
trap stop_session EXIT

# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
  local limit=$1
  shift
  local end=$((SECONDS + limit))
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.05
  done
}

# Starts Xvfb (its screen x_screen, 1280x800x24 unless set) and openbox and exports DISPLAY; says what failed on standard error and returns 1
# when one of them does not start.
start_private_x() {
  # Xvfb picks a free display itself and writes its number to fd 3 once it accepts clients.
  Xvfb -displayfd 3 -screen 0 "${x_screen:-1280x800x24}" -nolisten tcp 3>"$session_dir/display" \
    2>/dev/null &
  session_pids+=($!)
  wait_for 10 test -s "$session_dir/display" || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$session_dir/display")"
  openbox --sm-disable >/dev/null 2>&1 &
  session_pids+=($!)
  wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
    { echo "openbox did not start" >&2; return 1; }
}
