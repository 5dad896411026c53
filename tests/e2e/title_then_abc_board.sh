#!/usr/bin/env bash
# The real program under a real X server: the classroom's one window shows the title screen first,
# then the ABCs board in front of it, covering the whole screen. Usage: title_then_abc_board.sh PROGRAM START_DIR
set -euo pipefail
program=$(readlink -f "$1")
media=$(readlink -f "$2")
work=$(mktemp -d)
cleanup() {
    [ -n "${bus:-}" ] && kill "$bus" 2>/dev/null || true
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    if [ -n "${xserver:-}" ]; then kill "$xserver" 2>/dev/null || true; wait "$xserver" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
cp -r "$media"/. "$work/"

# A private X server on a free display.
source "$(dirname "$(readlink -f "$0")")/../support/xserver.sh"
start_xserver "$work"

# A session of its own: a private home and session bus, as a desktop gives every login.
mkdir -p "$work/.home"
export HOME="$work/.home"
export DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address=1 --print-pid=2 2>"$work/.bus.pid")
bus=$(head -n1 "$work/.bus.pid" 2>/dev/null || true)

cd "$work"
# The test presets run everything else offscreen; this program must draw on the X server.
export QT_QPA_PLATFORM=xcb
SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work" "$program" >"$work/.app.log" 2>&1 &
app=$!

window_of() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true; }
title="" board=""
for _ in $(seq 600); do
    [ -z "$title" ] && title=$(window_of "   ABCs by Tobble")
    board=$(window_of " Pipkin's Classroom  ")
    [ -n "$board" ] && break
    kill -0 "$app" 2>/dev/null || { echo "the program ended early"; cat "$work/.app.log"; exit 1; }
    sleep 0.1
done
[ -n "$board" ] || { echo "no ABCs board"; cat "$work/.app.log"; exit 1; }

geometry=$(xwininfo -id "$board" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w"x"h}')
[ "$geometry" = "1280x800" ] || { echo "the ABCs board is $geometry, not the whole screen"; exit 1; }

# The title screen and the boards are pages of one window: the board comes to its front, and no
# other window of the program is on the screen. (Start-up can be quicker than the polling above, so
# the title screen's caption on the window is not always seen.)
[ -z "$title" ] || [ "$title" = "$board" ] || { echo "the ABCs board is a window of its own ($board), not the title screen's ($title)"; exit 1; }
shown=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | sort -u | wc -l)
[ "$shown" -eq 1 ] || { echo "the program shows $shown windows, not one"; exit 1; }
# A logout or shutdown ends the classroom cleanly: it leaves with status 0 and ends no sooner.
kill -TERM "$app"
status=0
wait "$app" || status=$?
app=""
[ "$status" -eq 0 ] || { echo "the classroom ended with status $status on SIGTERM"; exit 1; }
echo "1 passed, 0 failed"
