# openbox on Xvfb: every escape key is bound to an action that touches a marker file, and Alt+Tab
# also switches windows as openbox's own binding does.
d_qpa=xcb
d_untested() {
    case $1 in corner) echo "openbox has no hot corner or screen edge";; panel) echo "openbox shows no panel";;
        super+Escape,super) echo "GNOME's key only";; esac
}
d_start() {
    local dir=$1 rc=$1/openbox-rc.xml key name
    start_xvfb "$dir" || return 1
    {
        echo '<?xml version="1.0" encoding="UTF-8"?>'
        echo '<openbox_config xmlns="http://openbox.org/3.4/rc"><focus><focusNew>yes</focusNew></focus><keyboard>'
        for key in Super_L:super W-d:super-d A-Tab:alt-tab A-S-Tab:alt-shift-tab A-F4:alt-f4 A-F2:alt-f2 \
            A-space:alt-space C-A-t:ctrl-alt-t C-Escape:ctrl-escape C-A-BackSpace:ctrl-alt-backspace; do
            name=${key#*:}
            echo "<keybind key=\"${key%%:*}\"><action name=\"Execute\"><command>touch $MARKERS/$name</command></action>"
            case $name in alt-tab) echo '<action name="NextWindow"/>';; alt-shift-tab) echo '<action name="PreviousWindow"/>';; esac
            echo '</keybind>'
        done
        echo '</keyboard></openbox_config>'
    } >"$rc"
    openbox --sm-disable --config-file "$rc" >"$dir/wm.log" 2>&1 &
    pids+=($!)
    wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}
d_key() { x_key "$1"; }
d_point() { x_point "$@"; }
d_click() { x_click "$@"; }
d_type() { x_type "$1"; }
d_shot() { x_shot "$1"; }
d_focus() { x_active; }
d_before() { :; }
d_seen() { :; }
d_undo() { :; }
