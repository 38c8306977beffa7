#!/usr/bin/env bash
# Builds the picture readers' libFuzzer targets with the fuzz preset and runs each one for
# SECONDS seconds (default 10). Fails when any target finds a crash, a leak or undefined
# behaviour; the input that caused it is kept in the build tree's fuzz-artifacts folder.
#
#   tools/fuzz-smoke.sh [SECONDS]
#
# TESSIVAR_FUZZ_BUILD_DIR chooses the build tree (default: the preset's build-fuzz).
set -euo pipefail

seconds=${1:-10}
if ! [[ $seconds =~ ^[0-9]+$ ]] || ((seconds == 0)); then
  echo "fuzz-smoke: SECONDS must be a positive whole number, not \"$seconds\"" >&2
  exit 2
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TESSIVAR_FUZZ_BUILD_DIR:-$root/build-fuzz}
readers=(jpeg bmp ico)

(cd "$root" && cmake --preset fuzz -B "$build" >/dev/null)
ninja -C "$build" -j2 "${readers[@]/#/fuzz_}"

artifacts=$build/fuzz-artifacts
mkdir -p "$artifacts"
# New inputs the fuzzer finds go to a scratch corpus; the committed seeds are only read.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failed=()
for reader in "${readers[@]}"; do
  mkdir -p "$scratch/$reader"
  echo "fuzz-smoke: fuzz_$reader for $seconds s"
  if ! "$build/fuzz/fuzz_$reader" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$artifacts/$reader-" \
      -dict="$root/fuzz/$reader.dict" "$scratch/$reader" "$root/fuzz/corpus/$reader" \
      >"$scratch/$reader.log" 2>&1; then
    tail -n 60 "$scratch/$reader.log" >&2
    failed+=("$reader")
  else
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$scratch/$reader.log" | sed 's/^/  /'
  fi
done

if ((${#failed[@]} > 0)); then
  echo "fuzz-smoke: FAILED for ${failed[*]}; crashing inputs are in $artifacts" >&2
  exit 1
fi
echo "fuzz-smoke: no crashes"
