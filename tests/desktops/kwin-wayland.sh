# KWin on Wayland, headless (--virtual), the program as a Wayland client. Keys could go in only through
# a virtual-input protocol; the probe says whether this KWin offers one that wtype speaks.
d_qpa=wayland
d_untested() { case $1 in super+Escape,super) echo "GNOME's key only";; esac; }
d_start() {
    local dir=$1
    dbus-update-activation-environment XDG_RUNTIME_DIR HOME
    # Debian gives kwin_wayland a file capability, which a container may not grant: a plain copy runs.
    cp /usr/bin/kwin_wayland "$dir/kwin_wayland"
    "$dir/kwin_wayland" --virtual --width 1280 --height 800 --socket wayland-pipkin --no-lockscreen >"$dir/wm.log" 2>&1 &
    pids+=($!)
    export WAYLAND_DISPLAY=wayland-pipkin
    wait_for 20 test -S "$XDG_RUNTIME_DIR/wayland-pipkin"
}
# Prints why keys cannot be sent here, or nothing when they can.
d_probe() {
    local said
    said=$(wtype -k Shift_L 2>&1) && return 0
    echo "no key injection into KWin on Wayland: wtype says \"$said\""
}
