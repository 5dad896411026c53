#!/usr/bin/env bash
# Runs a command on a private X server with a real window manager (openbox), as on a family
# desktop. Usage: with_desktop.sh COMMAND [ARG...]
set -euo pipefail
work=$(mktemp -d)
cleanup() {
    [ -n "${bus:-}" ] && kill "$bus" 2>/dev/null || true
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    if [ -n "${xserver:-}" ]; then kill "$xserver" 2>/dev/null || true; wait "$xserver" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$(readlink -f "$0")")/xserver.sh"
start_xserver "$work"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
# A desktop session of its own: a private home and session bus, so nothing one test leaves behind
# (a bus started for an earlier display of the same number) reaches the next.
mkdir -p "$work/home"
export HOME="$work/home"
bus_address=$(dbus-daemon --session --fork --print-address=1 --print-pid=2 2>"$work/bus.pid")
bus=$(head -n1 "$work/bus.pid" 2>/dev/null || true)
export DBUS_SESSION_BUS_ADDRESS="$bus_address"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
"$@"
