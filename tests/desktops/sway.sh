# sway, headless, the program as a Wayland client. Each escape key is bound to a command touching a
# marker file; keys go in through the virtual-keyboard protocol (wtype), the pointer through sway's own
# seat commands. sway refuses to run as root: it runs as nobody.
d_qpa=wayland
d_untested() {
    case $1 in corner) echo "sway has no hot corner or screen edge";; panel) echo "no bar configured";;
        super+Escape,super) echo "GNOME's key only";; esac
}
d_start() {
    local dir=$1 conf=$1/sway.conf key
    {
        echo "xwayland enable"
        echo "output HEADLESS-1 resolution 1280x800"
        echo "exec sh -c 'xhost +si:localuser:root >/dev/null; echo \$DISPLAY >$dir/display'"
        echo "bindsym --release Super_L exec touch $MARKERS/super"
        for key in Mod4+d:super-d Mod1+Tab:alt-tab Mod1+Shift+Tab:alt-shift-tab Mod1+F4:alt-f4 Mod1+F2:alt-f2 \
            Mod1+space:alt-space Ctrl+Mod1+t:ctrl-alt-t Ctrl+Escape:ctrl-escape Ctrl+Mod1+BackSpace:ctrl-alt-backspace; do
            echo "bindsym ${key%%:*} exec touch $MARKERS/${key#*:}"
        done
    } >"$conf"
    chown -R 65534:65534 "$XDG_RUNTIME_DIR" "$HOME"
    chmod 777 "$MARKERS" "$dir"
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
        sway -c "$conf" >"$dir/wm.log" 2>&1 &
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
d_key() {
    local k parts mods=() args=() m
    for k in ${1//,/ }; do
        mods=() args=()
        [ "$k" = super ] && { wtype -P Super_L -p Super_L; continue; }
        IFS=+ read -ra parts <<<"$k"
        for m in "${parts[@]:0:${#parts[@]}-1}"; do
            case $m in super) mods+=(logo);; *) mods+=("$m");; esac
        done
        for m in "${mods[@]}"; do args+=(-M "$m"); done
        args+=(-k "${parts[-1]}")
        for m in "${mods[@]}"; do args+=(-m "$m"); done
        wtype "${args[@]}"
    done
}
d_point() { swaymsg -q seat - cursor set "$1" "$2"; }
d_click() {
    swaymsg -q seat - cursor press button1; swaymsg -q seat - cursor release button1
    [ "${1:-}" = double ] && { sleep 0.1; swaymsg -q seat - cursor press button1; swaymsg -q seat - cursor release button1; }
}
d_type() { wtype -d 120 "$1"; }
d_shot() { grim "$1"; }
d_focus() { swaymsg -t get_tree | python3 -c 'import json,sys
def walk(n):
    if n.get("focused"): print(n.get("pid"), n.get("name")); return True
    return any(walk(c) for c in n.get("nodes", []) + n.get("floating_nodes", []))
walk(json.load(sys.stdin))'; }
d_before() { :; }
d_seen() { :; }
d_undo() { :; }
# The program's window as sway lays it out: "X Y W H FULLSCREEN" of the first window of PID.
sway_window() {
    swaymsg -t get_tree | python3 -c 'import json,sys
pid=int(sys.argv[1])
def walk(n):
    if n.get("pid") == pid and n.get("type") in ("con", "floating_con"):
        r, w = n["rect"], n["window_rect"]
        print(r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"], n.get("fullscreen_mode", 0)); return True
    return any(walk(c) for c in n.get("nodes", []) + n.get("floating_nodes", []))
walk(json.load(sys.stdin))' "$1"
}
