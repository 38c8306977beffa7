#!/usr/bin/env bash
# The present benchmark on private Xvfb screens of 24, 16 and 30 bits, one after another, with
# any further arguments given to the benchmark (--benchmark_repetitions=5, ...).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bench=${TESSIVAR_BENCH_X11:-$root/build/bench/x11/tessivar_bench_x11}
for depth in 24 16 30; do
  (
    source "$root/tools/private_x_session.sh"
    x_screen=1280x800x$depth
    window_manager=none
    start_private_x || exit 1
    "$bench" --benchmark_filter=BM_PresentFrame "$@"
  )
done
