#!/usr/bin/env bash
# Installs the classroom into a temporary prefix and starts it as a family would, through the
# launcher, with a fresh home: it runs in the user's own start directory of links to the shared
# media, and a second installation keeps the child's letter. Runs with DISPLAY set (with_desktop.sh).
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
export HOME=$(mktemp -d)
unset XDG_DATA_HOME
mine="$HOME/.local/share/pipkins-classroom"
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    rm -rf "$prefix" "$HOME"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
shared="$prefix/share/pipkins-classroom"
[ -x "$prefix/bin/pipkins-classroom" ] || fail "no launcher on the PATH"
[ -f "$shared/a.WAV" ] || fail "no shared media"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/org.pipkinsclassroom.classroom.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >/dev/null || fail "metainfo"
fi
[ -f "$prefix/share/icons/hicolor/48x48/apps/pipkins-classroom.png" ] || fail "no icon"

start_classroom() {
    SDL_AUDIODRIVER=dummy "$prefix/bin/pipkins-classroom" >/dev/null 2>&1 &
    app=$!
    for _ in $(seq 600); do
        xdotool search --onlyvisible --name "^ Pipkin's Classroom  \$" >/dev/null 2>&1 && return 0
        kill -0 "$app" 2>/dev/null || fail "the classroom ended at start"
        sleep 0.1
    done
    fail "the ABCs board never showed"
}
stop_classroom() { kill "$app"; wait "$app" 2>/dev/null || true; app=""; }

start_classroom
[ "$(readlink "/proc/$app/cwd")" = "$mine" ] || fail "the classroom does not run in the user's own folder"
[ "$(readlink "$mine/a.WAV")" = "$shared/a.WAV" ] || fail "a.WAV is not a link to the shared media"
stop_classroom

# The child's letter, as the classroom saves it in its folder; and a link left by an older prefix.
printf 'Dear Teddy\r\n' >"$mine/write.txt"
ln -sfn /nonexistent/old-prefix/ding.WAV "$mine/ding.WAV"
rm "$mine/hi.WAV"
# A shared file under a child's file name must never be linked over the child's own.
cmake --install "$build" --prefix "$prefix" >/dev/null
printf 'not the child' >"$shared/write.txt"

start_classroom
[ "$(cat "$mine/write.txt")" = "$(printf 'Dear Teddy\r\n')" ] || fail "the child's letter changed"
[ ! -L "$mine/write.txt" ] || fail "the child's letter became a link"
[ "$(readlink "$mine/ding.WAV")" = "$shared/ding.WAV" ] || fail "an old link was not renewed"
[ "$(readlink "$mine/hi.WAV")" = "$shared/hi.WAV" ] || fail "a missing link was not made again"
stop_classroom
echo "1 passed, 0 failed"
