# GNOME Shell, headless on Wayland or on Xvfb (sourced by gnome-wayland.sh and gnome-x11.sh, which set
# gnome_session). Super, the hot corner and the Activities button open the overview (the shell's
# OverviewActive property); Alt+Tab moves the focus to the other window; for the keys the shell hands
# to gnome-settings-daemon, a stand-in takes them the way it does and touches a marker when one fires.
d_untested() { :; }
overview() {
    [[ $(gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell --method \
        org.freedesktop.DBus.Properties.Get org.gnome.Shell OverviewActive 2>/dev/null) == *true* ]]
}
d_start() {
    local dir=$1
    if [ "$gnome_session" = wayland ]; then
        export WAYLAND_DISPLAY=wayland-pipkin-$$
        gnome-shell --headless --wayland --virtual-monitor 1280x800 --wayland-display="$WAYLAND_DISPLAY" \
            >"$dir/wm.log" 2>&1 &
        pids+=($!)
        wait_for 40 grep -q 'Using public X11 display' "$dir/wm.log" || return 1
        DISPLAY=$(grep -o 'Using public X11 display :[0-9]*' "$dir/wm.log" | awk '{print $NF}')
        wait_for 10 sh -c 'ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*' || return 1
        XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* | head -n1)
        export DISPLAY XAUTHORITY
    else
        start_xvfb "$dir" || return 1
        gnome-shell --x11 --replace >"$dir/wm.log" 2>&1 &
        pids+=($!)
    fi
    wait_for 40 gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell --method \
        org.freedesktop.DBus.Properties.Get org.gnome.Shell OverviewActive || return 1
    sleep 2
    # mutter keeps these for itself unless they are freed; then the shell hands them on as it would to
    # gnome-settings-daemon, and the stand-in sees them.
    gsettings set org.gnome.desktop.wm.keybindings close "[]"
    gsettings set org.gnome.desktop.wm.keybindings panel-run-dialog "[]"
    gsettings set org.gnome.desktop.wm.keybindings activate-window-menu "[]"
    # mutter takes a while to let go of them: ask again until the shell grants every one.
    local tries
    for tries in 1 2 3 4 5 6; do
        sleep 2
        "$here/gnome_mediakeys.py" "$MARKERS" super-d='<Super>d' alt-f4='<Alt>F4' alt-f2='<Alt>F2' \
            alt-space='<Alt>space' ctrl-alt-t='<Control><Alt>t' ctrl-escape='<Control>Escape' \
            ctrl-alt-backspace='<Control><Alt>BackSpace' >"$dir/mediakeys.log" 2>&1 &
        pids+=($!)
        wait_for 10 grep -q 'grabbed ctrl-alt-backspace' "$dir/mediakeys.log" || return 1
        grep -q 'grabbed .* 0$' "$dir/mediakeys.log" || break
        kill "${pids[-1]}"
        unset 'pids[-1]'
    done
    # The shell starts in the overview, as after a login; a parent leaves it before starting a program.
    overview && { d_key super; sleep 1.5; }
    ! overview
}
d_key() {
    local k
    for k in ${1//,/ }; do
        case $k in
            panel) d_point 30 12; d_click;;
            corner) if [ "$gnome_session" = wayland ]; then "$here/gnome_input.py" corner; else x_corner; fi;;
            *) if [ "$gnome_session" = wayland ]; then "$here/gnome_input.py" "key:$k"; else x_key "$k"; fi;;
        esac
        sleep 0.3
    done
}
d_point() { if [ "$gnome_session" = wayland ]; then "$here/gnome_input.py" "moveto:$1,$2"; else x_point "$@"; fi; }
d_click() {
    if [ "$gnome_session" = x11 ]; then x_click "$@"
    elif [ "${1:-}" = double ]; then "$here/gnome_input.py" dblclick
    else "$here/gnome_input.py" click; fi
}
d_type() { if [ "$gnome_session" = wayland ]; then "$here/gnome_input.py" "type:$1"; else x_type "$1"; fi; }
d_shot() { "$here/gnome_shot.py" "$1"; }
d_focus() { x_active; }
d_before() { overview && echo yes >"$dir_now/overview.before" || echo no >"$dir_now/overview.before"; }
d_seen() { overview && [ "$(cat "$dir_now/overview.before")" = no ] && echo "overview-opened"; }
d_undo() {
    overview || return 0
    d_key Escape; sleep 0.7
    overview && { d_key super; sleep 1; }
}
# The first time a program asks to hold the shortcuts GNOME asks the user to allow it; its default
# button, "Allow", takes Return, as a parent would answer.
d_allow() { [ "$gnome_session" = wayland ] && d_key Return; return 0; }
