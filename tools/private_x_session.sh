# A private X server for whatever needs a display on a machine that may have none: Xvfb on a
# free display with openbox as its window manager. Every process started through it (listed in
# session_pids) is stopped by its process id when the script exits, whatever the outcome.
# Sourced by tools/run.sh and by the end-to-end tests.

session_pids=()
x_server_options=()
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

# Starts Xvfb (its screen x_screen, 1280x800x24 unless set, with the further server options in
# the array x_server_options, such as -cc 5 for another default visual class) and a window
# manager (window_manager: openbox unless set, xfwm4, or none, since neither runs on every visual
# Xvfb can make) and exports DISPLAY; says what failed on standard error and returns 1 when one
# of them does not start.
start_private_x() {
  # Xvfb picks a free display itself and writes its number to fd 3 once it accepts clients.
  Xvfb -displayfd 3 -screen 0 "${x_screen:-1280x800x24}" "${x_server_options[@]}" -nolisten tcp \
    3>"$session_dir/display" 2>/dev/null &
  session_pids+=($!)
  wait_for 10 test -s "$session_dir/display" || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$session_dir/display")"
  case ${window_manager:-openbox} in
    none) return 0 ;;
    openbox)
      openbox --sm-disable >/dev/null 2>&1 &
      session_pids+=($!)
      ;;
    xfwm4)
      # xfwm4 reads its settings over a session bus, here one of its own: the bus daemon is
      # started first and stopped last, and the settings daemon it starts ends with the bus.
      # No compositor (Xvfb has no use for one), no session manager, no accessibility bus.
      dbus-daemon --session --nofork --print-address=3 3>"$session_dir/bus" 2>/dev/null &
      session_pids+=($!)
      wait_for 10 test -s "$session_dir/bus" || { echo "no session bus for xfwm4" >&2; return 1; }
      DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$session_dir/bus") NO_AT_BRIDGE=1 \
        xfwm4 --compositor=off --sm-client-disable >/dev/null 2>&1 &
      session_pids+=($!)
      ;;
    *)
      echo "unknown window manager ${window_manager}" >&2
      return 1
      ;;
  esac
  wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
    { echo "${window_manager:-openbox} did not start" >&2; return 1; }
}
