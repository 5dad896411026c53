#!/usr/bin/env bash
# A child's whole session at the real program on a real desktop (run it inside with_desktop.sh): the
# controls are found by their accessible names and clicked where they are on the screen, the sound
# the program made is read back from SDL's disk audio driver, and every board is photographed.
# Usage: child_session.sh PROGRAM START_DIR SCREENSHOT_DIR [SCRIPT]
# SCRIPT (child_session.py by default) is the python session run against the program.
set -euo pipefail
program=$(readlink -f "$1")
media=$(readlink -f "$2")
shots=$3
script=${4:-child_session.py}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${a11y:-}" ] && kill "$a11y" 2>/dev/null || true
    [ -n "${bus_pid:-}" ] && kill "$bus_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/start"
cp -r "$media"/. "$work/start/"
rm -rf "$shots"
mkdir -p "$shots"

# A private session bus and accessibility bus, so nothing of the machine's own desktop takes part.
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=$(printf '%s\n' "$bus" | head -n1)
bus_pid=$(printf '%s\n' "$bus" | sed -n 2p)
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >"$work/a11y.log" 2>&1 &
a11y=$!
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done

# The program finds the accessibility bus through the session bus: given AT_SPI_BUS_ADDRESS it would
# announce itself before its bridge listens and never appear.
cd "$work/start"
env -u AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SDL_AUDIODRIVER=disk \
    SDL_DISKAUDIOFILE="$work/out.raw" "$program" >"$work/app.log" 2>&1 &
app=$!

# Debian's python: its gi module has the AT-SPI bindings, a python of one's own may not.
status=0
/usr/bin/python3 "$here/$script" "$app" "$work/start" "$work/out.raw" "$shots" || status=$?
if [ "$status" -ne 0 ]; then
    echo "--- program output"; cat "$work/app.log"
    exit 1
fi
exit_status=0
wait "$app" || exit_status=$?
app=""
[ "$exit_status" -eq 0 ] || { echo "the classroom ended with status $exit_status after the goodbye"; exit 1; }
echo "screenshots: $shots"
echo "1 passed, 0 failed"
