# A fresh Wine prefix for one test, inside its private X session, and a small program to plant in
# it. Sourced by the Wine tests, which call start_wine_session first. Every Wine process of the
# prefix is ended with it when the test exits.

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/x_session.sh"

export WINEPREFIX="$session_dir/prefix"
export WINEDEBUG=-all
# No prompts to install Mono or Gecko, which the program never needs.
export WINEDLLOVERRIDES="mscoree,mshtml="

skip_unless_wine() {
  local tool
  for tool in wine wineserver x86_64-w64-mingw32-gcc-win32; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
}

# Wine's processes all belong to this prefix's server, which ends them together.
stop_wine() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}
trap 'stop_wine; stop_session' EXIT

# Skips (status 77) when Wine or mingw-w64 is missing; fails when the Windows program $1 is.
start_wine_session() {
  skip_unless_wine
  [[ -f $1 ]] || fail "$1 does not exist (tools/build-windows.sh makes it)"
  start_x_session
  make_wine_prefix
}

make_wine_prefix() {
  try_wine_prefix || fail "the Wine prefix could not be made: $(tail -3 "$session_dir/wineboot.log")"
}

# As make_wine_prefix, but a prefix Wine cannot make is a false return, not a failure.
try_wine_prefix() {
  drive_c="$WINEPREFIX/drive_c"
  planted_marker="$drive_c/planted-program-ran.txt"
  timeout 120 wine wineboot --init >"$session_dir/wineboot.log" 2>&1
}

# The 32-bit program needs a Wine that starts 32-bit programs (wine32, and a kernel that runs
# 32-bit code): in a 32-bit prefix (WINEARCH=win32), a tiny 32-bit program must run. Skips
# (status 77) with the reason where it does not.
start_wine32_session() {
  skip_unless_wine
  command -v i686-w64-mingw32-gcc-win32 >/dev/null ||
    { echo "SKIP: i686-w64-mingw32-gcc-win32 is not installed"; exit 77; }
  [[ -f $1 ]] || fail "$1 does not exist (tools/build-windows.sh makes it)"
  export WINEARCH=win32
  start_x_session
  printf 'int main(void) { return 0; }\n' >"$session_dir/probe32.c"
  i686-w64-mingw32-gcc-win32 -o "$session_dir/probe32.exe" "$session_dir/probe32.c" ||
    fail "the 32-bit probe could not be built"
  if ! try_wine_prefix; then
    echo "SKIP: this machine's Wine cannot make a 32-bit prefix, so it cannot start the 32-bit" \
      "program: $(tail -2 "$session_dir/wineboot.log" | tr '\n' ' ')"
    exit 77
  fi
  if ! timeout 60 wine "$session_dir/probe32.exe" >"$session_dir/probe32.log" 2>&1; then
    echo "SKIP: this machine's Wine cannot start a 32-bit program:" \
      "$(tail -2 "$session_dir/probe32.log" | tr '\n' ' ')"
    exit 77
  fi
}

# The Windows version the prefix's programs are told they run on (winecfg's names: winxp,
# winxp64, win7, win10), checked by what `ver` says.
set_windows_version() {
  local expected
  case $1 in
    winxp) expected="5.1" ;;
    winxp64) expected="5.2" ;;
    win7) expected="6.1" ;;
    win10) expected="10.0" ;;
    *) fail "no such Windows version as $1" ;;
  esac
  wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >"$session_dir/reg.log" 2>&1 ||
    fail "the Windows version could not be set to $1: $(cat "$session_dir/reg.log")"
  stop_wine
  local said
  said=$(timeout 60 wine cmd /c ver 2>/dev/null | tr -d '\r')
  [[ $said == *" $expected."* ]] || fail "the prefix set to $1 says \"$said\""
  echo "the prefix runs its programs as $1: $(echo $said)"
}

# Builds, at each path given, a planted program: should it ever run, it adds its own path to
# $planted_marker. No test may find that file.
plant_program() {
  [[ -f $session_dir/planted.exe ]] || {
    cat >"$session_dir/planted.c" <<'PLANTED'
#include <stdio.h>
#include <windows.h>
int main(void) {
  char self[MAX_PATH];
  GetModuleFileNameA(NULL, self, MAX_PATH);
  FILE* f = fopen("C:\\planted-program-ran.txt", "a");
  if (f) {
    fprintf(f, "%s\n", self);
    fclose(f);
  }
  return 0;
}
PLANTED
    x86_64-w64-mingw32-gcc-win32 -o "$session_dir/planted.exe" "$session_dir/planted.c" ||
      fail "the planted program could not be built"
  }
  local path
  for path in "$@"; do
    mkdir -p "$(dirname "$path")"
    cp "$session_dir/planted.exe" "$path"
  done
}

# "WIDTH x HEIGHT" of the Windows client area (GetClientRect) of the visible top-level window
# titled $1: Wine draws the frames of some windows itself, inside their X windows, so the X
# geometry is not always the client area.
windows_client_size() {
  local tool=$session_dir/client_size.exe compiler=x86_64-w64-mingw32-gcc-win32
  [[ ${WINEARCH:-} == win32 ]] && compiler=i686-w64-mingw32-gcc-win32
  [[ -f $tool ]] || {
    cat >"$session_dir/client_size.c" <<'CLIENT_SIZE'
#include <stdio.h>
#include <windows.h>
int wmain(int argc, wchar_t** argv) {
  HWND window = argc == 2 ? FindWindowW(NULL, argv[1]) : NULL;
  RECT client;
  if (!window || !IsWindowVisible(window) || !GetClientRect(window, &client)) return 1;
  printf("%ld x %ld\n", client.right - client.left, client.bottom - client.top);
  return 0;
}
CLIENT_SIZE
    "$compiler" -municode -o "$tool" "$session_dir/client_size.c" ||
      fail "the client size tool could not be built"
  }
  timeout 30 wine "$tool" "$1" 2>/dev/null | tr -d '\r'
}

no_planted_program_ran() {
  [[ ! -e $planted_marker ]] || fail "a planted program ran: $(tr '\n' ' ' <"$planted_marker")"
}
