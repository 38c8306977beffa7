#!/usr/bin/env bash
# Lets `apt-get source` fetch the Debian source packages that the Windows build cross-compiles
# (libjpeg-turbo, libpng and zlib): adds a deb-src entry for the suites the machine already uses
# and refreshes the package lists. Safe to run twice; does nothing when a deb-src entry exists.
set -euo pipefail

has_deb_src() {
  grep -Eqs '^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)' \
    /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources
}

if has_deb_src; then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  sudo=sudo
else
  sudo=
fi

# The source entry mirrors the machine's own binary entries, so sources and binaries agree.
entry=/etc/apt/sources.list.d/tessivar-deb-src.sources
if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
  sed -E 's/^Types:[[:space:]]*deb[[:space:]]*$/Types: deb-src/' \
    /etc/apt/sources.list.d/debian.sources | $sudo tee "$entry.tmp" >/dev/null
elif grep -Eqs '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list; then
  entry=/etc/apt/sources.list.d/tessivar-deb-src.list
  sed -nE 's/^[[:space:]]*deb([[:space:]])/deb-src\1/p' /etc/apt/sources.list |
    $sudo tee "$entry.tmp" >/dev/null
else
  echo "setup-windows-sources: no Debian package source found to mirror" >&2
  exit 1
fi
$sudo mv "$entry.tmp" "$entry"
echo "setup-windows-sources: added $entry"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
