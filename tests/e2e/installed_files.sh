#!/usr/bin/env bash
# `cmake --install` of the build tree places the program, a valid desktop entry whose icon names
# the themed icons, one transparent PNG for each 32-bit image of the icon file and the 256-pixel
# one the picture generator drew, the AppStream metadata, the compressed manual page and
# changelog, the README, the pictures' credits and the copyright file; `cpack -G DEB` makes a
# package named tessivar that holds the same files and its library dependencies.
set -uo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate dpkg-deb dpkg-shlibdeps cpack gzip; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d /tmp/tessivar-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$TESSIVAR_BUILD_DIR" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$work/install.log")"

[[ -x $prefix/bin/tessivar ]] || fail "bin/tessivar is missing"
doc=$prefix/share/doc/tessivar
for file in README.md LICENSES.md copyright changelog.gz; do
  [[ -f $doc/$file ]] || fail "share/doc/tessivar/$file is missing"
done
cmp -s "$doc/LICENSES.md" "$TESSIVAR_SOURCE_DIR/assets/LICENSES.md" ||
  fail "share/doc/tessivar/LICENSES.md is not assets/LICENSES.md"
grep -qxF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$doc/copyright" || fail "the copyright file is not in the machine-readable format"
grep -qF 'License: CC-BY-4.0' "$doc/copyright" || fail "the copyright file lacks the CC BY 4.0 licence"
gzip -t "$doc/changelog.gz" || fail "changelog.gz is not gzip"

manual=$prefix/share/man/man1/tessivar.1.gz
[[ -f $manual ]] || fail "share/man/man1/tessivar.1.gz is missing"
gzip -dc "$manual" | grep -q '^\.TH TESSIVAR 1 ' || fail "tessivar.1.gz is not the manual page"

[[ -f $prefix/share/metainfo/org.example.tessivar.metainfo.xml ]] ||
  fail "share/metainfo/org.example.tessivar.metainfo.xml is missing"

entry=$prefix/share/applications/org.example.tessivar.desktop
[[ -f $entry ]] || fail "the desktop entry is missing"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
for line in 'Type=Application' 'Name=Tessivar' 'Exec=tessivar' 'Icon=tessivar' \
  'Categories=Utility;' 'StartupWMClass=Tessivar' 'StartupNotify=true'; do
  grep -qxF "$line" "$entry" || fail "the desktop entry has no line $line"
done
grep -q '^Comment=.' "$entry" || fail "the desktop entry has no Comment"

# PNG header: signature, then IHDR with width, height, bit depth and colour type (6 is RGBA).
png_header() { od -An -tx1 -j16 -N10 "$1" | tr -d ' \n'; }
for side in 16 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${side}x${side}/apps/tessivar.png
  [[ -f $icon ]] || fail "no ${side}x${side} icon"
  printf -v want '%08x%08x0806' "$side" "$side"
  [[ $(png_header "$icon") == "$want" ]] || fail "${side}x${side} icon is not an 8-bit RGBA PNG of that size"
done
extra=$(find "$prefix/share/icons" -name '*.png' | wc -l)
((extra == 7)) || fail "$extra icons installed, not 7"
# The icon file stops at 128 pixels; the 256-pixel icon is the one drawn at that size.
cmp -s "$prefix/share/icons/hicolor/256x256/apps/tessivar.png" \
  "$TESSIVAR_SOURCE_DIR/assets/app-icon-256.png" || fail "the 256x256 icon is not assets/app-icon-256.png"

# The package, made in a folder of its own so the build tree is left as it was.
(cd "$TESSIVAR_BUILD_DIR" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
  fail "cpack failed: $(cat "$work/cpack.log")"
deb=$(ls "$work"/package/tessivar_*.deb 2>/dev/null | head -n1)
[[ -n $deb ]] || fail "cpack made no tessivar_*.deb"
[[ $(dpkg-deb -f "$deb" Package) == tessivar ]] || fail "the package is not named tessivar"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libx11-6 libxext6 libfreetype6 libfontconfig1 libjpeg62-turbo fonts-open-sans; do
  grep -q "\b$library\b" <<<"$depends" || fail "the package does not depend on $library: $depends"
done
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/tessivar ./usr/share/applications/org.example.tessivar.desktop \
  ./usr/share/icons/hicolor/48x48/apps/tessivar.png ./usr/share/icons/hicolor/256x256/apps/tessivar.png \
  ./usr/share/metainfo/org.example.tessivar.metainfo.xml ./usr/share/man/man1/tessivar.1.gz \
  ./usr/share/doc/tessivar/README.md ./usr/share/doc/tessivar/LICENSES.md \
  ./usr/share/doc/tessivar/copyright ./usr/share/doc/tessivar/changelog.gz; do
  grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done
echo "PASS"
