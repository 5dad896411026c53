#!/usr/bin/env bash
# Runs a command on a private X server with a real window manager (openbox), as on a family
# desktop. Usage: with_desktop.sh COMMAND [ARG...]
set -euo pipefail
work=$(mktemp -d)
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    [ -n "${xserver:-}" ] && kill "$xserver" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
exec 3<> "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xserver=$!
display=""
for _ in $(seq 100); do
    display=$(head -n1 "$work/displayfd" 2>/dev/null || true)
    [ -n "$display" ] && break
    sleep 0.1
done
[ -n "$display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$display"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
"$@"
