#!/usr/bin/env bash
# The Windows program's faces under Wine, which, like Windows XP, has no Segoe UI, Calibri or
# Consolas (and no Windows has Merienda), in a fresh prefix on a private Xvfb:
#  - tessivar_faces_check.exe finds each of those faces missing and drawn with the program's own
#    stand-in (tests/win32/on_windows/faces_check.cpp);
#  - the captions the stand-ins exist for stand on the lines they stand on in the Linux program:
#    the splash's "Please wait Loading......" and "Tessivar", and the About window's copyright
#    line, laid out by the engine with the real GDI fonts, line for line the same as the Linux
#    engine's layout with FreeType (tessivar_caption_layout). Where other captions differ the
#    difference is printed;
#  - a face the user has installed is used as it is: with a font of the family "Consolas" in the
#    prefix's Fonts folder and registry, the check finds Consolas installed and GDI drawing it,
#    and the other faces still drawn with the stand-ins.
# Skips (status 77) when Wine, Xvfb or Debian's python3-fonttools is missing.
#   wine_faces_test.sh FACES_CHECK_EXE LINUX_CAPTION_LAYOUT
set -uo pipefail
check=$(realpath "$1")
linux_layout=$(realpath "$2")
source "$(dirname "$0")/wine_prefix.sh"

/usr/bin/python3 -c 'import fontTools' 2>/dev/null ||
  { echo "SKIP: python3-fonttools is not installed"; exit 77; }
[[ -x $linux_layout ]] || fail "$linux_layout does not exist"
start_wine_session "$check"

# The captions whose lines must match the Linux program's exactly.
matched_labels=(frmSplash.Label3 frmSplash.Label1 frmAbout.Label3)

# "LABEL: LAYOUT" of each label in a report, the fonts' names and sizes left out (they are the
# same in both), so that the two reports compare line by line.
layouts() { tr -d '\r' <"$1" | sed -n 's/^\([^ ]*\) .* in [0-9x]*: \(.*\)$/\1: \2/p'; }

run_check() {
  local out=$1
  shift
  timeout 120 wine "$check" "$@" >"$out" 2>&1
  local status=$?
  sed '/^--- layout/,/^--- end/d' "$out"
  return $status
}

"$linux_layout" >"$session_dir/linux-layout.txt" || fail "the Linux layout could not be made"

echo "--- the faces in a prefix as Wine makes it"
run_check "$session_dir/faces.out" || fail "the faces check failed in a fresh prefix"
sed -n '/^--- layout/,/^--- end/p' "$session_dir/faces.out" | sed '1d;$d' \
  >"$session_dir/windows-layout.txt"
[[ -s $session_dir/windows-layout.txt ]] || fail "the faces check printed no layout"

echo "--- the captions, Linux and Windows"
for label in "${matched_labels[@]}"; do
  linux=$(layouts "$session_dir/linux-layout.txt" | grep "^$label: ")
  windows=$(layouts "$session_dir/windows-layout.txt" | grep "^$label: ")
  echo "Linux:   $linux"
  echo "Windows: $windows"
  [[ -n $linux && $linux == "$windows" ]] ||
    fail "$label stands on other lines in the Windows program than in the Linux one"
done
if ! others=$(diff <(layouts "$session_dir/linux-layout.txt") \
  <(layouts "$session_dir/windows-layout.txt")); then
  echo "other captions that break otherwise (< Linux, > Windows):"
  echo "$others"
fi

echo "--- with a font of the family \"Consolas\" installed in the prefix"
fonts_dir="$drive_c/windows/Fonts"
/usr/bin/python3 - "$fonts_dir/consola.ttf" <<'RENAME' || fail "the Consolas stand-in for the test could not be made"
import sys
from fontTools.ttLib import TTFont
font = TTFont("/usr/share/fonts/truetype/liberation2/LiberationMono-Regular.ttf")
name = font["name"]
name.names = [r for r in name.names if r.nameID not in (1, 2, 3, 4, 6, 16, 17)]
for name_id, text in ((1, "Consolas"), (2, "Regular"), (3, "Consolas"), (4, "Consolas"),
                      (6, "Consolas")):
    name.setName(text, name_id, 3, 1, 0x409)
    name.setName(text, name_id, 1, 0, 0)
font.save(sys.argv[1])
RENAME
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' /v 'Consolas (TrueType)' \
  /d consola.ttf /f >"$session_dir/reg.log" 2>&1 ||
  fail "the font could not be registered: $(cat "$session_dir/reg.log")"
stop_wine  # the next Wine process reads the fonts again
run_check "$session_dir/faces-consolas.out" Consolas ||
  fail "the faces check failed with Consolas installed"
grep -q '^Consolas 400: installed, drawn with "Consolas"' "$session_dir/faces-consolas.out" ||
  fail "the installed Consolas is not the one drawn"
echo "PASS"
