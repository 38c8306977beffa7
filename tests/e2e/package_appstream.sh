#!/usr/bin/env bash
# The AppStream metadata, installed by `cmake --install` beside the desktop entry and the icons,
# passes `appstreamcli validate-tree --pedantic` with no error and no warning (offline: the
# screenshot's address is not fetched), which also finds the desktop entry it names as its
# launchable; and its newest release is the program's version.
set -uo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v appstreamcli >/dev/null || { echo "SKIP: appstreamcli is not installed"; exit 77; }

work=$(mktemp -d /tmp/tessivar-appstream.XXXXXX)
trap 'rm -rf "$work"' EXIT
root=$work/root
cmake --install "$TESSIVAR_BUILD_DIR" --prefix "$root/usr" >"$work/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$work/install.log")"

metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml 2>/dev/null)
[[ $(wc -w <<<"$metainfo") == 1 ]] || fail "not one metainfo file installed: $metainfo"

appstreamcli validate-tree --no-net --pedantic --explain "$root" >"$work/validate.log" 2>&1
status=$?
cat "$work/validate.log"
if grep -qE '^ *[EW]: ' "$work/validate.log"; then fail "appstreamcli reports errors or warnings"; fi
((status == 0)) || fail "appstreamcli ended with status $status"

# Releases are listed newest first.
newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n1 | sed 's/.*version="//; s/"$//')
[[ $newest == "$TESSIVAR_VERSION" ]] ||
  fail "the newest release in $(basename "$metainfo") is '$newest', the program is $TESSIVAR_VERSION"
echo "PASS"
