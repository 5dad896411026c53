#!/usr/bin/env bash
# One desktop's row of the escape table. The desktop is started twice: once with an ordinary window in
# front (the control run), which shows which keys reach this desktop at all, and once with the
# classroom, which must keep every one of them. A key the control run does not see escaping is
# UNTESTED here, never HELD. On the classroom run it also checks that the window covers the screen,
# that "Letter" then typing "ab" puts "ab" in the letter, and that after "Good Bye" the desktop acts
# on Super and Alt+Tab again. Exits non-zero on an escaped key or a failed check.
# Usage: run.sh DESKTOP PROGRAM START_DIR CONTROL_PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
desktop=$1
program=$(readlink -f "$2")
start_dir=$(readlink -f "$3")
control=$(readlink -f "$4")
source "$here/common.sh"
source "$here/checks.sh"
source "$here/$desktop.sh"
keys="super super+d alt+Tab alt+shift+Tab alt+F4 alt+F2 alt+space ctrl+alt+t ctrl+Escape ctrl+alt+BackSpace"
keys+=" corner panel super+Escape,super"
work=$(mktemp -d "/tmp/desktops-$desktop.XXXXXX")
chmod 755 "$work" # sway runs as nobody, in a folder under this one
trap end_all EXIT
declare -A control_saw classroom_saw
problems=()

# ---- the control run: which keys reach the desktop with an ordinary window in front
control_run() {
    dir_now=$work/control
    world "$dir_now"
    d_start "$dir_now" || { log "the desktop did not start for the control run (see $dir_now)"; return 1; }
    if declare -F d_probe >/dev/null; then
        unreachable=$(d_probe)
        [ -n "$unreachable" ] && return 0
    fi
    x_stranger other-window; stranger=$stranger_window
    local k
    start_control || return 1
    for k in $keys; do
        [ -n "$(d_untested "$k")" ] && continue
        kill -0 "$app" 2>/dev/null || start_control || return 1
        try_key "$k"
        control_saw[$k]=$seen
        log "control: $k -> ${seen:-nothing}"
    done
    end_all
}
start_control() {
    QT_QPA_PLATFORM=$d_qpa "$control" >"$dir_now/control.log" 2>&1 &
    app=$!
    pids+=("$app")
    wait_for 20 grep -q shown "$dir_now/control.log" || { log "the control window never showed"; return 1; }
    sleep 1
    app_window=""
    [ "$d_qpa" = xcb ] && app_window=$(printf '0x%x' "$(x_window_named '^control$')")
    return 0
}

# ---- the classroom run
classroom_run() {
    dir_now=$work/classroom
    world "$dir_now"
    start_a11y "$dir_now" || { problems+=("no accessibility bus"); return 1; }
    d_start "$dir_now" || { problems+=("the desktop did not start (see $dir_now)"); return 1; }
    x_stranger other-window; stranger=$stranger_window
    sleep 1
    d_shot "$dir_now/bare.png"
    mkdir "$dir_now/start"
    cp -r "$start_dir"/. "$dir_now/start/"
    (cd "$dir_now/start" && exec env -u AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=$d_qpa SDL_AUDIODRIVER=dummy "$program") >"$dir_now/program.log" 2>&1 &
    app=$!
    pids+=("$app")
    if ! child "$app" showing "Pipkin's Classroom" 40; then
        problems+=("the ABCs board never showed: $(tail -3 "$dir_now/program.log")")
        return 1
    fi
    sleep 2
    d_allow
    sleep 1
    app_window=""
    [ "$d_qpa" = xcb ] && app_window=$(x_largest_window_of "$app")
    check_covers
    local k
    for k in $keys; do
        [ -n "$(d_untested "$k")" ] || [ -z "${control_saw[$k]:-}" ] && continue
        try_key "$k"
        classroom_saw[$k]=${seen:-none}
        log "classroom: $k -> ${seen:-held}"
        kill -0 "$app" 2>/dev/null || { problems+=("the classroom ended after $k"); return 1; }
    done
    check_letter
    check_goodbye
    end_all
}

cell() { # KEY: the table's verdict for one key
    local why
    why=$(d_untested "$1")
    if [ -n "$why" ]; then echo "UNTESTED($why)"
    elif [ -z "${control_saw[$1]:-}" ]; then echo "UNTESTED(the control run saw no reaction)"
    elif [ -z "${classroom_saw[$1]:-}" ]; then echo "UNTESTED(the classroom run stopped before this key)"
    elif [ "${classroom_saw[$1]}" = none ]; then echo "HELD"
    else echo "ESCAPED(${classroom_saw[$1]})"; fi
}

t0=$(date +%s)
unreachable=""
control_run || problems+=("the control run could not finish")
if [ -n "$unreachable" ]; then
    # Nothing can be sent to this desktop: every cell is untested, and CTest reports the test skipped.
    echo "desktop: $desktop: every key UNTESTED ($unreachable)"
    exit 77
fi
classroom_run
failed=0
echo
echo "desktop: $desktop (program as QT_QPA_PLATFORM=$d_qpa)"
printf '%-22s %-40s %s\n' key "control run saw" "classroom"
for k in $keys; do
    c=$(cell "$k")
    printf '%-22s %-40s %s\n' "$k" "${control_saw[$k]:-${c#UNTESTED}}" "$c"
    case $c in ESCAPED*) failed=1;; esac
done
for line in "${results[@]}"; do echo "$line"; done
for p in "${problems[@]}"; do echo "FAILED: $p"; failed=1; done
if [ $failed = 0 ]; then
    echo "took $(($(date +%s) - t0)) s"
    end_all
    rm -rf "$work"
else
    echo "took $(($(date +%s) - t0)) s; logs and screenshots kept in $work"
fi
exit $failed
