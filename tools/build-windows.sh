#!/usr/bin/env bash
# Builds the Windows program for both architectures with mingw-w64:
#   build/win32/tessivar.exe  32-bit, Windows XP and later
#   build/win64/tessivar.exe  64-bit
# Each is one self-contained file, also zipped beside it (tessivar-1.0-windows-x86.zip,
# tessivar-1.0-windows-x64.zip) with LICENSES.txt: the licences of the fonts it carries and the
# credits of its pictures. The first run also cross-builds zlib, libpng and libjpeg-turbo from
# Debian's source packages (tools/setup-windows-sources.sh lets apt fetch them). Pass win32 or
# win64 to build one of them only.
set -euo pipefail
cd "$(dirname "$0")/.."

presets=("$@")
((${#presets[@]} > 0)) || presets=(win32 win64)

for tool in i686-w64-mingw32-g++-win32 x86_64-w64-mingw32-g++-win32 x86_64-w64-mingw32-windres \
  cmake ninja python3 dpkg-source; do
  command -v "$tool" >/dev/null || {
    echo "build-windows: $tool is missing; run tools/setup.sh" >&2
    exit 1
  }
done

for preset in "${presets[@]}"; do
  case $preset in
    win32 | win64) ;;
    *) echo "build-windows: unknown preset $preset (win32 or win64)" >&2; exit 2 ;;
  esac
  if [[ ! -f build/$preset/CMakeCache.txt ]]; then
    cmake --preset "$preset"
  fi
  cmake --build --preset "$preset" --target tessivar tessivar_key_check tessivar_density_check tessivar_faces_check \
    package
  echo "build-windows: build/$preset/tessivar.exe ($(stat -c %s "build/$preset/tessivar.exe") bytes)"
done
