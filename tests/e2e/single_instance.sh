#!/usr/bin/env bash
# One classroom a user: a second start leaves at once with status 0 and the first one comes forward
# and keeps running. Usage (with DISPLAY set, through with_desktop.sh): single_instance.sh PROGRAM START_DIR
set -euo pipefail
program=$(readlink -f "$1")
work=$(mktemp -d)
trap 'kill "${first:-}" "${other:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$2"/. "$work/"
cd "$work"
SDL_AUDIODRIVER=dummy "$program" >/dev/null 2>&1 &
first=$!
board=""
for _ in $(seq 600); do
    board=$(xdotool search --onlyvisible --name "^ Pipkin's Classroom  \$" 2>/dev/null | head -n1 || true)
    [ -n "$board" ] && break
    sleep 0.1
done
[ -n "$board" ] || { echo "FAILED: the first classroom never showed"; exit 1; }
# Something else takes the front, as when a parent opened another program.
xmessage -title "another program" "another program" >/dev/null 2>&1 &
other=$!
for _ in $(seq 100); do
    stranger=$(xdotool search --onlyvisible --name '^another program$' 2>/dev/null | head -n1 || true)
    [ -n "$stranger" ] && break
    sleep 0.1
done
xdotool windowactivate --sync "$stranger" 2>/dev/null || true
[ "$(xdotool getactivewindow 2>/dev/null)" != "$board" ] || { echo "FAILED: could not put another window in front"; exit 1; }
status=0
SDL_AUDIODRIVER=dummy timeout 20 "$program" >/dev/null 2>&1 || status=$?
[ "$status" -eq 0 ] || { echo "FAILED: the second start ended with status $status"; exit 1; }
kill -0 "$first" || { echo "FAILED: the first classroom ended"; exit 1; }
for _ in $(seq 50); do
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$board" ] && { echo "1 passed, 0 failed"; exit 0; }
    sleep 0.1
done
echo "FAILED: the running classroom did not come forward"
exit 1
