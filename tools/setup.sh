#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run twice; does nothing when all is there.
set -euo pipefail

packages=(
  # build and test
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # the keyboard translation test reads the real XKB layouts through it
  libxkbcommon-dev
  # libraries
  libjpeg62-turbo-dev libpng-dev libfreetype-dev libfontconfig-dev libx11-dev libxext-dev libxrandr-dev
  # fonts the program substitutes for the faces its windows name
  fonts-open-sans fonts-liberation2 fonts-dancingscript fonts-inconsolata fonts-crosextra-carlito
  fonts-noto-core fonts-dejavu-core
  # the picture generator (run by hand) and its icon font
  python3 python3-pil fonts-materialdesignicons-webfont
  # the Windows build cuts the stand-in fonts down from the font packages above
  python3-fonttools
  # end-to-end tests on a real X server
  xvfb openbox xfwm4 xfconf dbus xdotool x11-utils x11-xserver-utils imagemagick x11-apps
  # regional formats, for the clock texts' tests in other locales
  locales-all
  # the Windows program: mingw-w64 cross-compilers, the tools that cross-build its libraries from
  # Debian's source packages, and Wine with the resource reader for its tests
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-i686
  binutils-mingw-w64-x86-64 dpkg-dev nasm wine wine64 python3-pefile zip
  # installing: the desktop entry's validator, readelf for the version record, and the checkers
  # of the Debian package and of its AppStream metadata
  desktop-file-utils binutils lintian appstream
  # tools/measure_x11.sh compares memory with rofi's (a launcher of its own kind); never in tests
  rofi
)

# The Windows build fetches its libraries' Debian source packages: a deb-src entry must exist.
"$(dirname "$0")/setup-windows-sources.sh"

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "setup: installing ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  sudo=sudo
else
  sudo=
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
