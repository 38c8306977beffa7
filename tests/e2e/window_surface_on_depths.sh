#!/usr/bin/env bash
# The window surface's own test (tests/platform/x11/window_surface_test.cpp) on private Xvfb
# screens of 24, 16, 15, 30 and 8 bits: what the server holds after a present is, pixel by pixel,
# the nearest colour its visual has, through MIT-SHM and through XPutImage.
set -uo pipefail
source "$(dirname "$0")/x_session.sh"
skip_unless_tools
[[ -x ${TESSIVAR_SURFACE_TESTS:-} ]] || fail "TESSIVAR_SURFACE_TESTS is not the surface test"
for depth in 24 16 15 30 8; do
  (
    x_screen=1280x800x$depth
    window_manager=none
    session_pids=()
    session_dir=$(mktemp -d /tmp/tessivar-x.XXXXXX)
    trap stop_session EXIT
    start_private_x || fail "no Xvfb at depth $depth"
    "$TESSIVAR_SURFACE_TESTS" --gtest_brief=1 >"$session_dir/out" 2>&1 ||
      fail "at depth $depth: $(cat "$session_dir/out")"
    grep -q SKIPPED "$session_dir/out" && fail "at depth $depth: skipped: $(cat "$session_dir/out")"
    echo "depth $depth: passed"
  ) || exit 1
done
echo "PASS"
