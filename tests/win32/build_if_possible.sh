#!/usr/bin/env bash
# Builds both Windows executables for the checks that follow, or skips (status 77) with the
# reason when this machine has no mingw-w64 toolchain. Once built, a run only relinks what
# changed.
set -uo pipefail
source_dir=$1
for tool in i686-w64-mingw32-g++-win32 x86_64-w64-mingw32-g++-win32 x86_64-w64-mingw32-windres; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (tools/setup.sh)"; exit 77; }
done
exec bash "$source_dir/tools/build-windows.sh"
