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

source "$root/tools/private_x_session.sh"
start_private_x || exit 1
# The screenshots outlive the session.
shots=$(mktemp -d /tmp/tessivar-run.XXXXXX)

"$program" &
session_pids+=($!)
sleep 0.5
import -window root "$shots/splash.png"
sleep 1.5
import -window root "$shots/start-screen.png"
echo "splash window: $shots/splash.png"
echo "start screen:  $shots/start-screen.png"
