#!/usr/bin/env bash
# xp_imports.sh must catch what it is there for: a program built for Vista that imports
# GetTickCount64 and declares subsystem 6.0, and one that needs a DLL besides the system's.
set -uo pipefail
here=$(dirname "$0")
command -v x86_64-w64-mingw32-gcc-win32 >/dev/null || { echo "SKIP: mingw-w64 is not installed"; exit 77; }
work=$(mktemp -d /tmp/tessivar-xp-imports.XXXXXX)
trap 'rm -rf "$work"' EXIT

cat >"$work/vista.c" <<'PROGRAM'
#include <windows.h>
int main(void) { return (int)(GetTickCount64() & 1); }
PROGRAM
x86_64-w64-mingw32-gcc-win32 -D_WIN32_WINNT=0x0600 -Wl,--subsystem,console:6.0 \
  -o "$work/vista.exe" "$work/vista.c" || { echo "FAIL: the sample could not be built"; exit 1; }
output=$(bash "$here/xp_imports.sh" "$work/vista.exe") && { echo "FAIL: passed: $output"; exit 1; }
grep -q 'imports GetTickCount64 from kernel32.dll' <<<"$output" || { echo "FAIL: $output"; exit 1; }
grep -q 'subsystem version 6.0' <<<"$output" || { echo "FAIL: $output"; exit 1; }

cat >"$work/dll.c" <<'PROGRAM'
__declspec(dllimport) int helper(void);
int main(void) { return helper(); }
PROGRAM
printf 'int __declspec(dllexport) helper(void) { return 0; }\n' >"$work/helper.c"
x86_64-w64-mingw32-gcc-win32 -shared -o "$work/helper.dll" "$work/helper.c" &&
  x86_64-w64-mingw32-gcc-win32 -Wl,--subsystem,console:5.2 -o "$work/dll.exe" "$work/dll.c" \
    "$work/helper.dll" || { echo "FAIL: the sample could not be built"; exit 1; }
output=$(bash "$here/xp_imports.sh" "$work/dll.exe") && { echo "FAIL: passed: $output"; exit 1; }
grep -q 'needs helper.dll' <<<"$output" || { echo "FAIL: $output"; exit 1; }
echo "PASS"
