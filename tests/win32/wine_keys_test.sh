#!/usr/bin/env bash
# The Windows backend's keyboard translation against the one table of key presses, under Wine on
# a private Xvfb (a US layout): tessivar_key_check.exe sends each key press to a real window of
# the backend and compares what comes out with the table.
# Skips (status 77) when Wine or Xvfb is missing.
#   wine_keys_test.sh KEY_CHECK_EXE
set -uo pipefail
check=$(realpath "$1")
source "$(dirname "$0")/wine_prefix.sh"

start_wine_session "$check"
timeout 120 wine "$check" >"$session_dir/keys.out" 2>&1
status=$?
cat "$session_dir/keys.out"
((status == 0)) || fail "the Windows backend's keys differ from the table (status $status)"
echo "PASS"
