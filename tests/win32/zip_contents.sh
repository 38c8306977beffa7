#!/usr/bin/env bash
# The zips a Windows user downloads: the program and LICENSES.txt, nothing else; every text file
# with Windows line ends (XP's Notepad shows a file of bare line feeds as one line); and
# LICENSES.txt speaking of what the zip holds: tessivar.exe and the fonts it carries, each with
# its licence text in full.
#   zip_contents.sh ZIP...
set -uo pipefail
command -v unzip >/dev/null || { echo "SKIP: unzip is not installed"; exit 77; }
status=0
problem() { echo "FAIL: $zip: $*"; status=1; }
for zip in "$@"; do
  [[ -f $zip ]] || { echo "FAIL: $zip does not exist (tools/build-windows.sh makes it)"; status=1; continue; }
  files=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
  [[ $files == "LICENSES.txt tessivar.exe " ]] || problem "holds $files"
  for text in $(unzip -Z1 "$zip" | grep -iv '\.exe$'); do
    bare=$(unzip -p "$zip" "$text" | grep -c $'[^\r]$\|^$')
    ((bare == 0)) || problem "$text has $bare lines without a Windows line end"
  done
  licences=$(unzip -p "$zip" LICENSES.txt | tr -d '\r')
  first=$(sed -n '3,/^$/p' <<<"$licences" | tr '\n' ' ')
  [[ $first == "tessivar.exe is the whole program."* ]] || problem "LICENSES.txt begins \"$first\""
  grep -q 'generate\.py\|this folder' <<<"$licences" && problem "LICENSES.txt speaks of the source tree"
  for font in "Open Sans" "Liberation Sans" "Dancing Script" "Inconsolata" "Carlito"; do
    grep -q "^==== $font " <<<"$licences" || problem "LICENSES.txt has no section for $font"
  done
  grep -q 'TERMS AND CONDITIONS FOR USE, REPRODUCTION' <<<"$licences" ||
    problem "LICENSES.txt lacks the Apache License's text"
  grep -q 'PERMISSION & CONDITIONS' <<<"$licences" || problem "LICENSES.txt lacks the OFL's text"
  echo "$zip: $files"
done
exit $status
