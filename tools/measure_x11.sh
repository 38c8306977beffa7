#!/usr/bin/env bash
# Figures for the Linux program on a private Xvfb, each beside the figure it is compared with,
# all from this one run:
#   - time to the splash window, beside xclock's time to its window, both timed alike;
#   - the hand-over as the user sees it (the splash timer's tick to the start screen's first
#     frame held by the X server), beside libjpeg-turbo alone decoding the same pictures, both
#     into fresh memory as on a program's one load;
#   - idle CPU use of the start screen with its clock running, over 30 seconds;
#   - peak resident memory and its split (anonymous, files, shared memory), beside rofi's (a
#     launcher of its own kind, showing its list of programs) and xclock's, each left alone for
#     the same time.
# Usage: tools/measure_x11.sh [DPI]   (96 unless given; the screen's Xft.dpi is set to it)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSIVAR_BUILD:-$root/build}
export TESSIVAR_PROGRAM=${TESSIVAR_PROGRAM:-$build/tessivar}
dpi=${1:-96}
hand_overs=5
source "$root/tests/e2e/x_session.sh"
start_x_session
echo "Xft.dpi: $dpi" | xrdb -merge
echo "density: $dpi dpi"

# "peak N KiB (anonymous A, files F, shared memory S)" of a running process; the parts are those
# of the moment it is read, the peak is the highest the whole process reached.
memory_of() {
  awk '/^VmHWM/ {h=$2} /^RssAnon/ {a=$2} /^RssFile/ {f=$2} /^RssShmem/ {s=$2}
       END {printf "peak %d KiB (anonymous %d, files %d, shared memory %d)\n", h, a, f, s}' \
    "/proc/$1/status"
}

# Starts the command in the background; its pid is in started_pid.
start_measured() {
  "$@" >/dev/null 2>&1 &
  started_pid=$!
  session_pids+=("$started_pid")
}

# Each program is started by the probe, which times it to its first mapped window by the server's
# own notices; the program goes on running, and is stopped with the session by its pid.
probe=${TESSIVAR_X_PROBE:-$build/tests/e2e/tessivar-x-probe}
# Starts the command that follows and sets launched_ms, the milliseconds to its first window of
# class $1, and launched_pid.
time_to_window() {
  local class=$1 result
  shift
  result=$("$probe" launch "$class" "$@" 2>/dev/null)
  launched_ms=${result%% *}
  launched_pid=${result##* }
  [[ $launched_pid =~ ^[0-9]+$ ]] && session_pids+=("$launched_pid")
}
if command -v xclock >/dev/null; then
  time_to_window XClock xclock
  echo "xclock mapped after $launched_ms ms (for reference)"
  xclock_pid=$launched_pid
fi
time_to_window tessivar "$TESSIVAR_PROGRAM"
echo "splash mapped after $launched_ms ms"
app_pid=$launched_pid
has_window_of_type SPLASH || echo "the first window was not the splash"
await_start_screen
sleep 2
read -r u1 s1 < <(awk '{print $14, $15}' "/proc/$app_pid/stat")
sleep 30
read -r u2 s2 < <(awk '{print $14, $15}' "/proc/$app_pid/stat")
tck=$(getconf CLK_TCK)
echo "idle CPU over 30 s: $(((u2 + s2 - u1 - s1) * 1000 / tck)) ms of CPU = $(awk "BEGIN{print ($u2+$s2-$u1-$s1)/$tck/30*100}") % of a core"
echo "tessivar: $(memory_of "$app_pid")"
[[ -n ${xclock_pid:-} ]] && echo "xclock:   $(memory_of "$xclock_pid")"
if command -v rofi >/dev/null; then
  start_measured rofi -show run
  rofi_pid=$started_pid
  wait_for 10 sh -c "xdotool search --onlyvisible --class rofi >/dev/null 2>&1" ||
    echo "rofi showed no window"
  sleep 32
  echo "rofi:     $(memory_of "$rofi_pid")"
  kill "$rofi_pid" 2>/dev/null
fi
kill "$app_pid" 2>/dev/null
wait "$app_pid" 2>/dev/null

# The hand-over, once per process; then the floor, decoded under the same condition.
if [[ -x $build/bench/x11/tessivar-hand-over ]]; then
  times=()
  for ((i = 0; i < hand_overs; i++)); do
    times+=("$("$build/bench/x11/tessivar-hand-over")")
  done
  echo "hand-over, tick to first frame: ${times[*]} ms (median $(printf '%s\n' "${times[@]}" | sort -n | sed -n "$((hand_overs / 2 + 1))p") ms)"
fi
if [[ -x $build/bench/start/tessivar_bench_start ]]; then
  "$build/bench/start/tessivar_bench_start" \
    --benchmark_filter='BM_LibjpegDecodeOfTheSamePictures/memory:0' --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/_median/ {print "decode floor (libjpeg alone, fresh memory): median " $2 " " $3}'
fi
