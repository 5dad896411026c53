#!/usr/bin/env bash
# The window manager's escape keys on a real desktop (run it inside with_desktop.sh): while the
# classroom runs, none of them reaches openbox. Another program's window, opened first, never
# comes back to the front, and the classroom stays in front and running.
# Usage: escape_keys.sh PROGRAM START_DIR
set -euo pipefail
program=$(readlink -f "$1")
media=$(readlink -f "$2")
work=$(mktemp -d)
cleanup() {
    [ -n "${watcher:-}" ] && kill "$watcher" 2>/dev/null || true
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    for pid in ${strangers:-}; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
cp -r "$media"/. "$work/"

fail() { echo "FAILED: $*"; echo "0 passed, 1 failed"; exit 1; }
active_window() { xdotool getactivewindow 2>/dev/null || echo none; }
active_pid() { xdotool getactivewindow getwindowpid 2>/dev/null || echo none; }
wait_for() { # DESCRIPTION COMMAND...: up to 15 s
    local what=$1; shift
    for _ in $(seq 600); do "$@" && return 0; sleep 0.1; done
    fail "timed out waiting for $what"
}
# Only a mapped window: the search also finds one still unmapped, which cannot be activated yet.
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
has_window() { [ -n "$(window_named "$1")" ]; }
stranger() { # NAME: another program's window (xmessage sets no pid on it); its id in $stranger_window
    xmessage -name "$1" -title "$1" "$1" >/dev/null 2>&1 &
    strangers="${strangers:-} $!"
    wait_for "the window of $1" has_window "$1"
    stranger_window=$(window_named "$1")
}
is_active() { [ "$(active_window)" = "$1" ]; }
activated() { xdotool windowactivate "$1" 2>/dev/null || true; sleep 0.2; is_active "$1"; }
classroom_active() { [ "$(active_pid)" = "$app" ]; }

# Without the classroom the same keys do reach the window manager here: Alt+Tab moves between two
# other windows. So the checks below can fail.
stranger first-stranger
first=$stranger_window
stranger second-stranger
second=$stranger_window
wait_for "the second window in front" activated "$second"
xdotool key alt+Tab
wait_for "Alt+Tab to reach the window manager without the classroom" is_active "$first"

cd "$work"
SDL_AUDIODRIVER=dummy "$program" >"$work/app.log" 2>&1 &
app=$!
wait_for "the ABCs board in front" classroom_active
sleep 1 # the key lock is taken once the board is on the screen

# Every window that comes to the front while the keys are sent is noted.
( while true; do active_window; sleep 0.05; done ) >"$work/active.log" &
watcher=$!
for keys in alt+Tab alt+F4 super super+d alt+space alt+F2 ctrl+Escape ctrl+alt+BackSpace alt+shift+Tab; do
    xdotool key "$keys"
    sleep 0.7
    kill -0 "$app" 2>/dev/null || { cat "$work/app.log"; fail "the classroom ended after $keys"; }
    classroom_active || fail "after $keys the window in front ($(active_window)) is not the classroom's"
done
kill "$watcher"
watcher=""
others=$(grep -x -e "$first" -e "$second" -e none "$work/active.log" | sort -u | tr '\n' ' ' || true)
[ -z "$others" ] || fail "other windows came to the front while the keys were sent: $others"
[ -s "$work/active.log" ] || fail "the window in front was never seen"
echo "1 passed, 0 failed"
