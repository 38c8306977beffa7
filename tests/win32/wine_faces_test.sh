#!/usr/bin/env bash
# The Windows program's faces under Wine, which, like Windows XP, has no Segoe UI, Calibri or
# Consolas (and no Windows has Merienda), in a fresh prefix set to WINDOWS_VERSION on a private
# Xvfb:
#  - tessivar_faces_check.exe finds each of those faces missing and drawn with the program's own
#    stand-in (tests/win32/on_windows/faces_check.cpp);
#  - every caption of every window stands on the lines it stands on in the Linux program, and
#    fits its label, at 96, 120, 144, 168 and 192 dots per inch (the screen's LogPixels set to
#    each): laid out by the engine with the real GDI fonts, line for line the same as the Linux
#    engine's layout with FreeType (tessivar_caption_layout);
#  - a face the user has installed is used as it is: with a font of the family "Consolas" in the
#    prefix's Fonts folder and registry, the check finds Consolas installed and GDI drawing it,
#    and the other faces still drawn with the stand-ins.
# Skips (status 77) when Wine, Xvfb or Debian's python3-fonttools is missing.
#   wine_faces_test.sh FACES_CHECK_EXE LINUX_CAPTION_LAYOUT WINDOWS_VERSION
set -uo pipefail
check=$(realpath "$1")
linux_layout=$(realpath "$2")
windows_version=$3
source "$(dirname "$0")/wine_prefix.sh"

/usr/bin/python3 -c 'import fontTools' 2>/dev/null ||
  { echo "SKIP: python3-fonttools is not installed"; exit 77; }
[[ -x $linux_layout ]] || fail "$linux_layout does not exist"
start_wine_session "$check"
set_windows_version "$windows_version"

# "LABEL@DPI: LAYOUT" of each label in a report, the fonts' names and sizes and the widths left
# out (the widths are each rasteriser's own), so that the two reports compare line by line.
layouts() {
  tr -d '\r' <"$1" | sed -n 's/^\([^ ]*\) .* in [0-9x]*: \(.*\) \[.*\]$/\1: \2/p'
}

run_check() {
  local out=$1
  shift
  timeout 120 wine "$check" "$@" >"$out" 2>&1
  local status=$?
  sed '/^--- layout/,/^--- end/d' "$out"
  return $status
}

"$linux_layout" >"$session_dir/linux-layout.txt" || fail "the Linux layout could not be made"

# The check lays the captions out at every density itself; the screen's density is set to each
# in turn all the same, as a user's display setting would be, in case GDI's fonts heed it.
for dpi in 96 120 144 168 192; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >"$session_dir/reg.log" 2>&1 || fail "LogPixels could not be set to $dpi"
  stop_wine
  echo "--- the faces in a prefix as Wine makes it, at $dpi dots per inch"
  run_check "$session_dir/faces-$dpi.out" || fail "the faces check failed at $dpi dots per inch"
  sed -n '/^--- layout/,/^--- end/p' "$session_dir/faces-$dpi.out" | sed '1d;$d' |
    tr -d '\r' | grep "@$dpi " >>"$session_dir/windows-layout.txt"
done
[[ -s $session_dir/windows-layout.txt ]] || fail "the faces check printed no layout"

echo "--- the captions, Linux and Windows ($windows_version)"
paste -d '\n' "$session_dir/linux-layout.txt" "$session_dir/windows-layout.txt" |
  sed 's/^/  /'
if ! differences=$(diff <(layouts "$session_dir/linux-layout.txt") \
  <(layouts "$session_dir/windows-layout.txt")); then
  echo "captions that break otherwise (< Linux, > Windows):"
  echo "$differences"
  fail "captions stand on other lines in the Windows program than in the Linux one"
fi
[[ $(layouts "$session_dir/windows-layout.txt" | wc -l) -eq \
  $(layouts "$session_dir/linux-layout.txt" | wc -l) ]] || fail "the reports hold other labels"
# Single words no line break can shorten are the descriptions' own; every caption that breaks
# fits its label on both.
if overruns=$(grep -h 'overruns\]' "$session_dir/linux-layout.txt" "$session_dir/windows-layout.txt"); then
  echo "$overruns"
  fail "captions overrun their labels"
fi

[[ $windows_version == winxp64 ]] || { echo "PASS"; exit 0; }
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
