#!/usr/bin/env bash
# Builds and runs every test: the whole suite in a release build, the unit and scenario suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of each picture
# fuzzer. Warnings are errors throughout.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=2

echo "== release build and tests"
cmake --preset release
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"

echo "== sanitizer build and tests"
cmake --preset asan
cmake --build --preset asan -j "$jobs"
# The end-to-end and Windows tests drive real programs (on an X server, under Wine); the
# sanitizers watch the engine.
ctest --preset asan -j "$jobs" -LE 'e2e|windows'

if [[ -x tools/fuzz-smoke.sh ]]; then
  echo "== fuzzing, briefly"
  tools/fuzz-smoke.sh "${TESSIVAR_FUZZ_SECONDS:-10}"
fi
