#!/usr/bin/env bash
# Figures for the Linux backend on a private Xvfb: time to the splash window beside xclock's time
# to its window as a reference, the hand-over, idle CPU use of the start screen over 30 seconds and
# peak resident memory.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TESSIVAR_PROGRAM=${TESSIVAR_PROGRAM:-$root/build/tessivar}
source "$root/tests/e2e/x_session.sh"
start_x_session
if command -v xclock >/dev/null; then
  c0=$(date +%s%N)
  xclock >/dev/null 2>&1 &
  session_pids+=($!)
  until xdotool search --onlyvisible --class XClock >/dev/null 2>&1; do sleep 0.005; done
  c1=$(date +%s%N)
  echo "xclock mapped after $(( (c1 - c0) / 1000000 )) ms (the same polling, for reference)"
fi
t0=$(date +%s%N)
start_program
until has_window_of_type SPLASH; do sleep 0.005; done
t1=$(date +%s%N)
until has_window_named 'Tessivar 1.0 (BETA)'; do sleep 0.005; done
t2=$(date +%s%N)
echo "splash mapped after $(( (t1 - t0) / 1000000 )) ms; start screen mapped $(( (t2 - t1) / 1000000 )) ms after the splash"
sleep 2
read -r u1 s1 < <(awk '{print $14, $15}' /proc/$app_pid/stat)
sleep 30
read -r u2 s2 < <(awk '{print $14, $15}' /proc/$app_pid/stat)
tck=$(getconf CLK_TCK)
echo "idle CPU over 30 s: $(( (u2 + s2 - u1 - s1) * 1000 / tck )) ms of CPU = $(awk "BEGIN{print ($u2+$s2-$u1-$s1)/$tck/30*100}") %"
grep -E 'VmHWM|VmRSS|RssAnon|RssFile|RssShmem' /proc/$app_pid/status
