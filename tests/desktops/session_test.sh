#!/usr/bin/env bash
# The child login session as the package installs it: the session entry's command, run for a user
# who is not root (cage, like any compositor, refuses root), starts the classroom alone in cage; the
# classroom covers cage's whole screen, and "Good Bye" ends the classroom and so cage and the session.
# cage runs on its X11 backend inside a private Xvfb: that is the one way to give a headless cage a
# pointer (its headless backend has no input devices and it offers no virtual-input protocol).
# Usage: session_test.sh BUILD_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(readlink -f "$1")
source "$here/common.sh"
source "$here/checks.sh"
work=$(mktemp -d /tmp/desktops-session.XXXXXX)
trap end_all EXIT
fail() { echo "FAILED: $*"; echo "files in $work"; exit 1; }
chmod 755 "$work"

cmake --install "$build" --prefix "$work/usr" >"$work/install.log" 2>&1 || fail "install: $(tail -3 "$work/install.log")"
entry=$work/usr/share/wayland-sessions/pipkins-classroom.desktop
[ -f "$entry" ] || fail "no session entry in share/wayland-sessions"
grep -qx "Name=Pipkin's Classroom" "$entry" || fail "the session entry is not named Pipkin's Classroom"
# The login manager runs the entry's command from the PATH, which holds the installation's bin.
export PATH=$work/usr/bin:$PATH
command=$(command -v "$(sed -n 's/^Exec=//p' "$entry")") || fail "the session entry's command is not on the PATH"
[ "$command" = "$work/usr/bin/pipkins-classroom-session" ] || fail "the session entry runs $command"

dir_now=$work/session
mkdir -p "$dir_now/home" "$dir_now/rt"
chmod 700 "$dir_now/rt"
export HOME=$dir_now/home XDG_RUNTIME_DIR=$dir_now/rt
unset WAYLAND_DISPLAY DISPLAY DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM
chown -R 65534:65534 "$dir_now"
start_xvfb "$dir_now" || fail "no X server"
as_child() { setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
    DBUS_SESSION_BUS_ADDRESS="${DBUS_SESSION_BUS_ADDRESS:-}" DISPLAY="$DISPLAY" PATH="$PATH" "$@"; }
DBUS_SESSION_BUS_ADDRESS=$(as_child dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$dir_now/bus.pid")
pids+=("$(cat "$dir_now/bus.pid")")
as_child /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >"$dir_now/a11y.log" 2>&1 &
pids+=($!)
child() { as_child "$here/child.py" "$@"; }
d_point() { x_point "$@"; }
d_click() { x_click "$@"; }
d_type() { x_type "$1"; }

# Started directly, not through as_child, so that $! is the session's own process.
setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
    DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" DISPLAY="$DISPLAY" PATH="$PATH" \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 WLR_BACKENDS=x11 WLR_RENDERER=pixman SDL_AUDIODRIVER=dummy \
    "$command" >"$dir_now/session.log" 2>&1 &
session=$!
pids+=("$session")
# The launcher and the classroom's launcher exec, so cage is the session's process and the classroom its child.
classroom_of() { ps --ppid "$1" -o pid=,comm= | awk '$2 ~ /^pipkins-classr/ { print $1 }' | grep .; }
wait_for 20 classroom_of "$session" || fail "cage started no classroom: $(tail -5 "$dir_now/session.log")"
app=$(classroom_of "$session")
pids+=("$app") # a classroom left running would hold the user's single-instance lock
child "$app" showing "Pipkin's Classroom" 40 || fail "the ABCs board never showed: $(tail -5 "$dir_now/session.log")"
sleep 2

# Covering the screen: nothing of cage's own black background left at any edge of its output.
shot=$dir_now/session.png
as_child env WAYLAND_DISPLAY=wayland-0 grim "$shot" || fail "no screenshot of cage's output"
cp "$shot" "$dir_now/black.png"
convert "$shot" -fill black -colorize 100 "$dir_now/black.png"
size=$(identify -format '%w %h' "$shot")
read -r width height <<<"$size"
edges=""
for edge in top:${width}x40+0+0 bottom:${width}x40+0+$((height - 40)) left:40x${height}+0+0 right:40x${height}+$((width - 40))+0; do
    fraction=$(convert "$dir_now/black.png" "$shot" -compose difference -composite -colorspace gray -threshold 3% \
        -crop "${edge#*:}" +repage -format '%[fx:mean]' info:)
    awk -v f="$fraction" 'BEGIN { exit !(f < 0.5) }' && edges="$edges ${edge%%:*}"
done
[ -z "$edges" ] || fail "the classroom does not cover cage's screen ($size): bare at$edges; see $shot"
echo "covers cage's screen ($size): yes"

choose_menu Menus "This Screen Menus On"
choose_menu "Exit Program on/off" "Goodbye On"
click_control "Good Bye" "push button" double
wait_for 15 sh -c "! kill -0 $session 2>/dev/null" || fail "the session went on after Good Bye"
wait "$session"
status=$?
[ "$status" -eq 0 ] || fail "the session ended with status $status: $(tail -5 "$dir_now/session.log")"
echo "Good Bye ended the classroom and cage: the session is over"
end_all
rm -rf "$work"
echo "1 passed, 0 failed"
