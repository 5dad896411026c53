# Sourced by the desktop tests: a private world for one desktop (home, runtime folder, session bus and
# a stand-in system bus), waiting, and the X11 views every X desktop shares. Everything started is
# remembered in pids and ended, last first, by end_all.
pids=()
end_all() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[$i]}" 2>/dev/null; done
    sleep 0.5
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill -9 "${pids[$i]}" 2>/dev/null; done
    pids=()
    # A compositor ended before its Xwayland leaves that display's lock and socket behind.
    local f p n
    for f in /tmp/.X[0-9]*-lock; do
        [ -e "$f" ] || continue
        p=$(tr -d ' ' <"$f" 2>/dev/null)
        [ -n "$p" ] && ! kill -0 "$p" 2>/dev/null || continue
        n=${f#/tmp/.X}; n=${n%-lock}
        rm -f "$f" "/tmp/.X11-unix/X$n"
    done
}

log() { echo "[$(date +%T)] $*" >&2; }

wait_for() { # SECONDS COMMAND...
    local n=$(($1 * 10)); shift
    while ((n-- > 0)); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

# world DIR: a fresh home, runtime folder and pair of buses under DIR.
world() {
    local dir=$1
    mkdir -p "$dir/home" "$dir/rt" "$dir/markers"
    chmod 700 "$dir/rt"
    export HOME=$dir/home XDG_RUNTIME_DIR=$dir/rt MARKERS=$dir/markers
    # The test presets choose Qt's offscreen platform; the desktops and the programs shown on them
    # (KWin, kglobalaccel, the classroom) must each find their own.
    unset WAYLAND_DISPLAY DISPLAY SWAYSOCK XAUTHORITY QT_QPA_PLATFORM
    DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$dir/bus.pid")
    pids+=("$(cat "$dir/bus.pid")")
    # GNOME Shell ends in its login-manager code unless a system bus answers; a second private bus does.
    DBUS_SYSTEM_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$dir/sysbus.pid")
    pids+=("$(cat "$dir/sysbus.pid")")
    export DBUS_SESSION_BUS_ADDRESS DBUS_SYSTEM_BUS_ADDRESS
}

# The accessibility bus through which child.py finds the classroom's controls.
start_a11y() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >"$1/a11y.log" 2>&1 &
    pids+=($!)
    wait_for 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress
}

start_xvfb() { # DIR: a private X server of 1280 x 800 on a display no other test is using
    local n xvfb
    for n in $(shuf -i 100-899 -n 20); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >"$1/xvfb.log" 2>&1 &
        xvfb=$!
        # Another test may take the same number at the same moment: then this server ends.
        if wait_for 10 sh -c "kill -0 $xvfb && DISPLAY=:$n xdpyinfo" && sleep 0.3 && kill -0 "$xvfb" 2>/dev/null; then
            pids+=("$xvfb")
            export DISPLAY=":$n"
            return 0
        fi
        kill "$xvfb" 2>/dev/null
    done
    return 1
}

x_active() { xprop -root _NET_ACTIVE_WINDOW 2>/dev/null | grep -o '0x[0-9a-f]*' | head -n1; }
# The viewable top-level windows (a menu, a switcher or a panel popup the desktop opened shows up here).
x_viewable() { xwininfo -root -children 2>/dev/null | grep -o '^ *0x[0-9a-f]*' | tr -d ' ' |
    while read -r w; do [[ $(xwininfo -id "$w" 2>/dev/null) == *'Map State: IsViewable'* ]] && echo "$w"; done | sort; }
x_window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 | grep .; }
# The window's area on the screen as the X server reports it: "X Y W H".
x_geometry() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /^ *Width:/{w=$NF} /^ *Height:/{h=$NF} END{print x, y, w, h}'; }
x_key() { xdotool key --clearmodifiers "$1"; }
x_point() { xdotool mousemove "$1" "$2"; }
x_click() { if [ "${1:-}" = double ]; then xdotool click --repeat 2 --delay 120 1; else xdotool click 1; fi; }
x_type() { xdotool type --delay 120 "$1"; }
x_shot() { import -window root "$1" 2>/dev/null; }
# The pointer pushed into the top-left corner in small steps, as a hand would.
x_corner() {
    xdotool mousemove 300 300; sleep 0.1
    for _ in $(seq 20); do xdotool mousemove_relative -- -15 -15; sleep 0.02; done
    xdotool mousemove 0 0
}
# Another program's window, focused before the program under test starts: where Alt+Tab would go.
x_stranger() { # NAME: its window id in stranger_window
    stranger_window=""
    xmessage -name "$1" -title "$1" "$1" >/dev/null 2>&1 &
    pids+=($!)
    wait_for 10 x_window_named "^$1\$" || return 1
    stranger_window=$(printf '0x%x' "$(x_window_named "^$1\$")")
}
# Whether a window came up since d_before noted the viewable ones (pipefail would take grep -q's early
# exit for a failure, hence the test of the output).
x_new_window() { [ -n "$(x_viewable | comm -13 "$dir_now/viewable.before" -)" ]; }
