#!/usr/bin/env bash
# Reads the headers and import table of each Windows executable given and fails on a subsystem
# version newer than the oldest Windows of its architecture, on any library that is not part of
# every Windows from XP on (the program must be one self-contained file) and on any function from
# missing_on_xp.txt.
#   xp_imports.sh EXE...
set -euo pipefail
here=$(dirname "$0")
table="$here/missing_on_xp.txt"
# The system libraries the program may use: all of them ship with Windows XP.
allowed_dlls="kernel32.dll user32.dll gdi32.dll msvcrt.dll advapi32.dll shell32.dll comctl32.dll"

for tool in i686-w64-mingw32-objdump x86_64-w64-mingw32-objdump; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

status=0
for exe in "$@"; do
  [[ -f $exe ]] || { echo "FAIL: $exe does not exist (tools/build-windows.sh makes it)"; status=1; continue; }
  # The machine field follows the "PE\0\0" signature, whose place the DOS header holds at 60.
  pe_offset=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
  case $(od -An -tx2 -j$((pe_offset + 4)) -N2 "$exe" | tr -d ' ') in
    014c) objdump=i686-w64-mingw32-objdump oldest=5.1 ;;
    8664) objdump=x86_64-w64-mingw32-objdump oldest=5.2 ;;
    *) echo "FAIL: $exe is not a Windows executable for i686 or x86_64"; status=1; continue ;;
  esac
  headers=$("$objdump" -p "$exe")
  # XP refuses to start a program that declares a newer subsystem ("not a valid Win32
  # application"); the oldest Windows of each architecture is 5.1 (XP) and 5.2 (XP x64).
  subsystem=$(awk '/^MajorSubsystemVersion/ {major = $2} /^MinorSubsystemVersion/ {minor = $2}
    END {print major "." minor}' <<<"$headers")
  if [[ $subsystem != "$oldest" ]]; then
    echo "FAIL: $exe declares subsystem version $subsystem, not $oldest"
    status=1
  fi
  # "DLL Name: X" opens a library's list; its rows are "<hint/ordinal> <name>" lines.
  imports=$(awk '
    /^[[:space:]]*DLL Name:/ { dll = tolower($3); next }
    dll != "" && /^[[:space:]]*$/ { next }
    dll != "" && /^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[A-Za-z_?@$][^[:space:]]*$/ {
      print dll, $3
    }
    /^The Export Tables|^PE File Base Relocations|^There is an export table/ { dll = "" }' <<<"$headers")
  [[ -n $imports ]] || { echo "FAIL: no imports read from $exe"; status=1; continue; }
  count=$(wc -l <<<"$imports")
  for dll in $(cut -d' ' -f1 <<<"$imports" | sort -u); do
    if [[ " $allowed_dlls " != *" $dll "* ]]; then
      echo "FAIL: $exe needs $dll, which is not part of Windows XP"
      status=1
    fi
  done
  while read -r dll function since; do
    [[ -z $dll || $dll == \#* ]] && continue
    if grep -qix "$dll $function" <<<"$imports"; then
      echo "FAIL: $exe imports $function from $dll, which Windows has only since $since"
      status=1
    fi
  done <"$table"
  echo "$exe: $count imported functions from $(cut -d' ' -f1 <<<"$imports" | sort -u | tr '\n' ' ')"
done
exit $status
