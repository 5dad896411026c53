# sway, the program as a Wayland client. sway runs on its X11 backend inside a private Xvfb: headless,
# it would have no pointer (no client would ever get a click), while on Xvfb it takes the keyboard and
# pointer of that X server, which xdotool drives. Each escape key is bound to a command touching a marker
# file. sway refuses to run as root: it runs as nobody. Its own Xwayland (for the other window) is a
# second X display: DISPLAY names that one, input goes to host_display.
d_qpa=wayland
d_untested() {
    case $1 in corner) echo "sway has no hot corner or screen edge";; panel) echo "no bar configured";;
        super+Escape,super) echo "GNOME's key only";; esac
}
d_start() {
    local dir=$1 conf=$1/sway.conf key
    start_xvfb "$dir" || return 1
    host_display=$DISPLAY
    {
        echo "xwayland enable"
        echo "output X11-1 resolution 1280x800 position 0 0"
        echo "exec sh -c 'xhost +si:localuser:root >/dev/null; echo \$DISPLAY >$dir/display'"
        echo "bindsym --release Super_L exec touch $MARKERS/super"
        for key in Mod4+d:super-d Mod1+Tab:alt-tab Mod1+Shift+Tab:alt-shift-tab Mod1+F4:alt-f4 Mod1+F2:alt-f2 \
            Mod1+space:alt-space Ctrl+Mod1+t:ctrl-alt-t Ctrl+Escape:ctrl-escape Ctrl+Mod1+BackSpace:ctrl-alt-backspace; do
            echo "bindsym ${key%%:*} exec touch $MARKERS/${key#*:}"
        done
    } >"$conf"
    chown -R 65534:65534 "$XDG_RUNTIME_DIR" "$HOME"
    chmod 777 "$MARKERS" "$dir"
    WLR_BACKENDS=x11 WLR_RENDERER=pixman setpriv --reuid=65534 --regid=65534 --clear-groups \
        env HOME="$HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" DISPLAY="$host_display" sway -c "$conf" >"$dir/wm.log" 2>&1 &
    pids+=($!)
    wait_for 15 sh -c 'ls "$XDG_RUNTIME_DIR"/wayland-* | grep -v lock' || return 1
    WAYLAND_DISPLAY=$(basename "$(ls "$XDG_RUNTIME_DIR"/wayland-* | grep -v lock | head -n1)")
    SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.* | head -n1)
    export WAYLAND_DISPLAY SWAYSOCK
    # Xwayland starts with the first X client; the exec line above says its display.
    wait_for 10 test -s "$dir/display" || return 1
    DISPLAY=$(cat "$dir/display")
    export DISPLAY
    # Root's programs connect to sway's socket as nobody's.
    chmod a+rwx "$XDG_RUNTIME_DIR"
}
on_host() { DISPLAY=$host_display "$@"; }
d_key() {
    local k
    for k in ${1//,/ }; do on_host xdotool key --clearmodifiers "$k"; sleep 0.2; done
}
d_point() { on_host xdotool mousemove "$1" "$2"; }
d_click() { DISPLAY=$host_display x_click "$@"; }
d_type() { on_host xdotool type --delay 120 "$1"; }
d_shot() { grim "$1"; }
d_focus() { x_active; }
d_before() { :; }
d_seen() { :; }
d_undo() { :; }
# The program's window as sway lays it out, "X Y W H FULLSCREEN": the focused one of PID's windows, or
# its largest (the title screen stays open behind the boards).
sway_window() {
    swaymsg -t get_tree | python3 -c 'import json,sys
pid, found = int(sys.argv[1]), []
def walk(n):
    if n.get("pid") == pid and n.get("type") in ("con", "floating_con"):
        r, w = n["rect"], n["window_rect"]
        found.append((not n.get("focused"), -w["width"] * w["height"],
                      (r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"], n.get("fullscreen_mode", 0))))
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        walk(c)
walk(json.load(sys.stdin))
if found:
    print(*min(found)[2])' "$1"
}
# A Wayland client does not know where its window is; sway does.
d_offset() { local g; g=($(sway_window "$app")); echo "${g[0]:-0} ${g[1]:-0}"; }
