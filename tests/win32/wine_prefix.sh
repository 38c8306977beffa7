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
  timeout 120 wine wineboot --init >"$session_dir/wineboot.log" 2>&1 ||
    fail "the Wine prefix could not be made: $(tail -3 "$session_dir/wineboot.log")"
  drive_c="$WINEPREFIX/drive_c"
  planted_marker="$drive_c/planted-program-ran.txt"
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

no_planted_program_ran() {
  [[ ! -e $planted_marker ]] || fail "a planted program ran: $(tr '\n' ' ' <"$planted_marker")"
}
