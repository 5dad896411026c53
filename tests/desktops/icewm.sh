# icewm on Xvfb with its task bar. Its keys file runs a command for the keys it does not bind itself;
# the ones it does (Alt+Tab's switcher, Ctrl+Esc's start menu, Alt+Space's window menu) open a window
# of icewm's own, so a new window on the screen shows that icewm acted.
d_qpa=xcb
d_untested() {
    case $1 in corner) echo "icewm has no hot corner or screen edge";; super+Escape,super) echo "GNOME's key only";; esac
}
d_start() {
    local dir=$1 key
    start_xvfb "$dir" || return 1
    mkdir -p "$HOME/.icewm"
    for key in Super+d:super-d Alt+F2:alt-f2 Ctrl+Alt+t:ctrl-alt-t Ctrl+Alt+BackSpace:ctrl-alt-backspace; do
        echo "key \"${key%%:*}\" touch $MARKERS/${key#*:}"
    done >"$HOME/.icewm/keys"
    # The Windows key alone opens icewm's menu only when asked for.
    printf 'Win95Keys=1\nShowTaskBar=1\nTaskBarAtTop=0\n' >"$HOME/.icewm/preferences"
    icewm >"$dir/wm.log" 2>&1 &
    pids+=($!)
    wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' && sleep 1
}
# "panel": a click on the task bar's start button, bottom left.
d_key() { case $1 in panel) x_point 8 795; x_click;; *) x_key "$1";; esac; }
d_point() { x_point "$@"; }
d_click() { x_click "$@"; }
d_type() { x_type "$1"; }
d_shot() { x_shot "$1"; }
d_focus() { x_active; }
d_before() { x_viewable >"$dir_now/viewable.before"; }
d_seen() { x_new_window && echo "icewm-window-opened"; }
d_undo() { x_new_window && { x_key Escape; sleep 0.3; x_key Escape; }; }
