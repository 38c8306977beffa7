#!/usr/bin/env bash
# Runs the built program. On a desktop it simply starts it. On a machine with no display it
# starts a private Xvfb and openbox, runs the program, saves screenshots of the splash window
# and of the start screen, prints their paths, and stops everything it started.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=${TESSIVAR_PROGRAM:-$root/build/tessivar}
if [[ ! -x $program ]]; then
  echo "run: $program is missing; build it first (cmake --preset release && cmake --build build)" >&2
  exit 1
fi

if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
  exec "$program"
fi

for tool in Xvfb openbox import; do
  if ! command -v "$tool" >/dev/null; then
    echo "run: there is no display, and $tool is needed to make one (tools/setup.sh installs it)" >&2
    exit 1
  fi
done

pids=()
work=$(mktemp -d /tmp/tessivar-run.XXXXXX)
stop_all() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -f "$work/display"
}
trap stop_all EXIT

wait_for() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.05
  done
}

# Xvfb chooses a free display and writes its number to fd 3 once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_for 10 test -s "$work/display" || { echo "run: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' || true

"$program" &
pids+=($!)
sleep 0.5
import -window root "$work/splash.png"
sleep 1.5
import -window root "$work/start-screen.png"
echo "splash window: $work/splash.png"
echo "start screen:  $work/start-screen.png"
