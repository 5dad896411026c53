#!/usr/bin/env bash
# Builds the Debian package and holds it to what Debian would accept: lintian without errors or
# warnings (pedantic and informational tags shown too), and the desktop entry and the AppStream
# metainfo it installs valid. Nothing is installed on the machine.
# Usage: package_checks.sh BUILD_DIR
set -euo pipefail
build=$1
for tool in lintian desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing (scripts/setup.sh installs it)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/pipkins-classroom_*.deb)
status=0
lintian -EvIL +pedantic --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v '^N:' "$work/lintian.log" || true
[ "$status" -eq 0 ] || fail "lintian found errors or warnings"

dpkg-deb -x "$deb" "$work/root"
desktop=$(ls "$work"/root/usr/share/applications/*.desktop)
metainfo=$(ls "$work"/root/usr/share/metainfo/*.metainfo.xml)
desktop-file-validate "$desktop" || fail "the desktop entry"
appstreamcli validate --pedantic --no-net "$metainfo" || fail "the metainfo"
# The metainfo's launchable names the desktop entry the package really installs.
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" || fail "launchable id"
for doc in copyright changelog.Debian.gz parents-guide.txt.gz; do
    [ -s "$work/root/usr/share/doc/pipkins-classroom/$doc" ] || fail "no $doc"
done
zgrep -q "This Screen Menus On" "$work/root/usr/share/doc/pipkins-classroom/parents-guide.txt.gz" ||
    fail "the parent's guide lacks the way out"
echo "1 passed, 0 failed"
