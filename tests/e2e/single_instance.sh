#!/usr/bin/env bash
# One classroom a user: a second start leaves at once with status 0 and the first one keeps
# running. (It also asks the first to come forward; the window manager may decline that.) Usage (with DISPLAY set, through with_desktop.sh): single_instance.sh PROGRAM START_DIR
set -euo pipefail
program=$(readlink -f "$1")
work=$(mktemp -d)
trap 'kill "${first:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
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
status=0
SDL_AUDIODRIVER=dummy timeout 20 "$program" >/dev/null 2>&1 || status=$?
[ "$status" -eq 0 ] || { echo "FAILED: the second start ended with status $status"; exit 1; }
kill -0 "$first" || { echo "FAILED: the first classroom ended"; exit 1; }
echo "1 passed, 0 failed"
