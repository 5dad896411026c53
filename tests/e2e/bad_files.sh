#!/usr/bin/env bash
# Bad and hostile files at the real program on a real desktop (run it inside with_desktop.sh): the
# table of cases is in bad_files.py; each starts the classroom afresh in a copy of the start folder.
# Usage: bad_files.sh PROGRAM START_DIR [CASE...]
set -euo pipefail
program=$(readlink -f "$1")
media=$(readlink -f "$2")
shift 2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
cleanup() {
    [ -n "${a11y:-}" ] && kill "$a11y" 2>/dev/null || true
    [ -n "${bus_pid:-}" ] && kill "$bus_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

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

# Debian's python: its gi module has the AT-SPI bindings, a python of one's own may not.
/usr/bin/python3 "$here/bad_files.py" "$program" "$media" "$work" "$@"
