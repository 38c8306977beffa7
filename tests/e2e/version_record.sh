#!/usr/bin/env bash
# The program file's version record, read back with readelf from the program as built and from a
# stripped copy (as packaged): every entry, in order, and nothing else.
set -uo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v readelf >/dev/null && command -v strip >/dev/null ||
  { echo "SKIP: readelf or strip is not installed"; exit 77; }

expected='FILEVERSION=1.0.0.0
PRODUCTVERSION=1.0.0.0
FILETYPE=application
StringFileInfo=040904B0
Comments=A tile launcher: a full-window Start screen of picture tiles that start programs
CompanyName=Tessivar developers
FileDescription=Sart menu for xp and Win 7 os.
FileVersion=1.00
InternalName=tessivar
LegalCopyright=Copyright (C) 2026 Tessivar developers
LegalTrademarks=Tessivar is a name of the Tessivar developers
OriginalFilename=tessivar
ProductName=Tessivar 1.0 beta
ProductVersion=1.00
Translation=0x0409 0x04B0'

# readelf prints "  [offset]  text" for each NUL-terminated text of the section.
record_of() {
  readelf -p .tessivar.version "$1" 2>&1 | sed -n 's/^ *\[ *[0-9a-f]*\]  //p'
}

work=$(mktemp -d /tmp/tessivar-version.XXXXXX)
trap 'rm -rf "$work"' EXIT
strip -o "$work/tessivar" "$TESSIVAR_PROGRAM" || fail "cannot strip a copy of the program"
for file in "$TESSIVAR_PROGRAM" "$work/tessivar"; do
  actual=$(record_of "$file")
  [[ $actual == "$expected" ]] ||
    fail "version record of $file differs:$(diff <(echo "$expected") <(echo "$actual"))"
done
echo "PASS"
