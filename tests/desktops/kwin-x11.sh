# KWin on Xvfb. A KWin script registers the escape keys KWin leaves free and the top-left screen edge,
# and prints a line to KWin's log when one fires; Meta alone goes to a stand-in for Plasma's shell; the keys KWin keeps for itself (Alt+Tab, Alt+F4) show
# as the focus moving or the window closing, and a new window shows a menu or switcher it opened.
d_qpa=xcb
d_untested() {
    case $1 in panel) echo "no Plasma panel runs with KWin alone";; super+Escape,super) echo "GNOME's key only";; esac
}
d_start() {
    local dir=$1 js=$1/watch.js key
    start_xvfb "$dir" || return 1
    # KWin's shortcuts live in kglobalaccel, which the bus starts on demand: it needs the display.
    dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR HOME
    kwin_x11 --replace >"$dir/wm.log" 2>&1 &
    pids+=($!)
    wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || return 1
    wait_for 20 gdbus introspect --session --dest org.kde.KWin --object-path /Scripting || return 1
    {
        for key in Meta+D:super-d Alt+Shift+Tab:alt-shift-tab Alt+F2:alt-f2 Alt+Space:alt-space Ctrl+Alt+T:ctrl-alt-t \
            Ctrl+Esc:ctrl-escape Ctrl+Alt+Backspace:ctrl-alt-backspace; do
            echo "registerShortcut('watch-${key#*:}', 'watch ${key#*:}', '${key%%:*}', function() { print('WATCH ${key#*:}'); });"
        done
        echo "registerScreenEdge(KWin.ElectricTopLeft, function() { print('WATCH corner'); });"
        echo "print('WATCH loaded');"
    } >"$js"
    gdbus call --session --dest org.kde.KWin --object-path /Scripting \
        --method org.kde.kwin.Scripting.loadScript "$js" watch >/dev/null || return 1
    gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.kde.kwin.Scripting.start >/dev/null
    wait_for 10 grep -q 'WATCH loaded' "$dir/wm.log" || return 1
    "$here/kwin_plasmashell.py" "$MARKERS" >"$dir/plasmashell.log" 2>&1 &
    pids+=($!)
    wait_for 10 grep -q ready "$dir/plasmashell.log"
}
# KWin pushes the pointer back from an edge it was not yet willing to fire; a hand pushes again.
d_key() {
    case $1 in
        corner) x_corner; for _ in 1 2 3 4 5 6; do sleep 0.2; xdotool mousemove 3 3 mousemove 0 0; done;;
        *) x_key "$1";;
    esac
}
showing_desktop() { [[ $(xprop -root _NET_SHOWING_DESKTOP 2>/dev/null) == *'= 1'* ]]; }
d_point() { x_point "$@"; }
d_click() { x_click "$@"; }
d_type() { x_type "$1"; }
d_shot() { x_shot "$1"; }
d_focus() { x_active; }
d_before() { grep -c "WATCH $(marker "$1")\$" "$dir_now/wm.log" >"$dir_now/kwin.before"; x_viewable >"$dir_now/viewable.before"; }
d_seen() {
    [ "$(grep -c "WATCH $(marker "$1")\$" "$dir_now/wm.log")" -gt "$(cat "$dir_now/kwin.before")" ] && echo "kwin-script"
    x_new_window && echo "kwin-window-opened"
    showing_desktop && echo "desktop-shown"
}
d_undo() {
    x_new_window && { x_key Escape; sleep 0.3; }
    showing_desktop && { x_key super+d; sleep 0.5; }
}
