#!/usr/bin/env bash
# `cpack -G DEB` makes a package in which `lintian --pedantic` finds no error, no warning and
# no sign of a program built without Debian's hardening (its other informational and pedantic
# notes are printed and pass), whose changelog's newest entry is the package's own version, and
# whose copyright file credits only pictures that exist.
set -uo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in lintian cpack dpkg-deb dpkg-parsechangelog; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d /tmp/tessivar-lintian.XXXXXX)
trap 'rm -rf "$work"' EXIT
# Made in a folder of its own so the build tree is left as it was.
(cd "$TESSIVAR_BUILD_DIR" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
  fail "cpack failed: $(cat "$work/cpack.log")"
deb=$(ls "$work"/package/tessivar_*.deb 2>/dev/null | head -n1)
[[ -n $deb ]] || fail "cpack made no tessivar_*.deb"

# Exit status 2 for an error or a warning and for a package lintian cannot read; the E: and W:
# lines are looked for as well, so that neither can pass unseen.
lintian --pedantic --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1
status=$?
cat "$work/lintian.log"
if grep -qE '^[EW]: ' "$work/lintian.log"; then fail "lintian reports errors or warnings"; fi
((status == 0)) || fail "lintian ended with status $status"
# Informational for lintian, but the Release build is hardened on purpose: such a note means a
# flag was lost.
if grep -qE '^I: .*hardening-' "$work/lintian.log"; then fail "the program lost some hardening"; fi

# Lintian reads the changelog's syntax, not whether its newest entry is this release.
dpkg-deb -x "$deb" "$work/root" || fail "the package cannot be unpacked"
doc=$work/root/usr/share/doc/tessivar
gzip -dc "$doc/changelog.gz" >"$work/changelog" || fail "changelog.gz is not gzip"
version=$(dpkg-deb -f "$deb" Version)
newest=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
[[ $newest == "$version" ]] ||
  fail "the changelog's newest entry is $newest, the package is $version"

# Every path the copyright file's Files fields name without a wildcard (the pictures that
# carry icons under CC BY 4.0) is a file of the source tree, so a renamed picture cannot
# leave its credit behind.
named=$(sed -n '/^Files:/,/^[A-Z][A-Za-z-]*:/{/^Files:/s/^Files://;/^[A-Z][A-Za-z-]*:/d;p}' \
  "$doc/copyright" | tr -s ' \t' '\n' | grep -v -e '^$' -e '[*?]')
[[ -n $named ]] || fail "the copyright file names no picture"
while read -r path; do
  [[ -f $TESSIVAR_SOURCE_DIR/$path ]] || fail "the copyright file credits $path, which does not exist"
done <<<"$named"
echo "PASS"
