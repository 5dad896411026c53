# Sourced by run.sh: one key tried, and the checks made on the classroom run. Each check adds a line
# to results and, when it fails, one to problems.
results=()
marker() { echo "$1" | tr 'A-Z+,' 'a-z-_'; }
# Hooks a desktop may define: d_allow answers a question the desktop asks when the program starts;
# d_offset says where the window's top-left corner is when the program cannot know (a Wayland client).
d_allow() { :; }
d_offset() { echo 0 0; }
# The classroom's controls, as a screen reader finds them.
child() { "$here/child.py" "$@"; }

# try_key KEY: sends the key with $app in front and sets seen to what the desktop was seen doing.
try_key() {
    local k=$1 m f0 f1
    m=$(marker "$k")
    rm -f "$MARKERS/$m"
    d_before "$k"
    f0=$(d_focus)
    d_key "$k"
    sleep 0.8
    seen=""
    [ -e "$MARKERS/$m" ] && seen="marker"
    seen="$seen $(d_seen "$k" | tr '\n' ' ')"
    f1=$(d_focus)
    [ -n "$stranger" ] && [ "$f1" = "$stranger" ] && [ "$f0" != "$stranger" ] && seen="$seen focus-to-other-window"
    [ -n "$app" ] && ! kill -0 "$app" 2>/dev/null && seen="$seen window-closed"
    seen=$(echo $seen)
    d_undo
    # Give the program the front again, the desktop's own way.
    if [ -n "$app" ] && [ -n "$stranger" ] && [ "$f1" = "$stranger" ]; then
        if [ -n "$app_window" ]; then xdotool windowactivate "$app_window" 2>/dev/null; else d_key alt+Tab; fi
        sleep 0.7
    fi
    rm -f "$MARKERS"/*
}

x_largest_window_of() { # PID: its biggest viewable X window
    local w best="" size=0 g
    for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        g=($(x_geometry "$w"))
        [ $((g[2] * g[3])) -gt "$size" ] && { size=$((g[2] * g[3])); best=$(printf '0x%x' "$w"); }
    done
    echo "$best"
}

# The screen's edges, 40 pixels deep, that still look as they did before the program started: a top
# bar, a panel or the desktop around a window that does not cover the screen.
uncovered_edges() { # BARE NOW
    local edge fraction
    for edge in top:1280x40+0+0 bottom:1280x40+0+760 left:40x800+0+0 right:40x800+1240+0; do
        fraction=$(convert "$1" "$2" -compose difference -composite -colorspace gray -threshold 3% \
            -crop "${edge#*:}" +repage -format '%[fx:mean]' info: 2>/dev/null)
        [ -z "$fraction" ] && { echo "unreadable"; return; }
        awk -v f="$fraction" 'BEGIN { exit !(f < 0.5) }' && echo "${edge%%:*}"
    done
}

check_covers() {
    local shot=$dir_now/classroom.png edges report="" ok=1 g
    d_shot "$shot"
    edges=$(uncovered_edges "$dir_now/bare.png" "$shot" | tr '\n' ' ')
    [ -n "$edges" ] && ok=0
    if [ -n "$app_window" ]; then
        g=$(x_geometry "$app_window")
        report="X11 window $g"
        [ "$g" = "0 0 1280 800" ] || ok=0
    elif declare -F sway_window >/dev/null; then
        g=$(sway_window "$app")
        report="sway window $g"
        [ "${g% *}" = "0 0 1280 800" ] || ok=0
    fi
    if [ $ok = 1 ]; then
        results+=("covers the screen: yes ($report; screenshot $shot)")
    else
        results+=("covers the screen: NO (${report:+$report; }desktop still showing at: ${edges:-none}; screenshot $shot)")
        problems+=("the classroom's window does not cover the screen")
    fi
}

click_control() { # NAME ROLE [double]
    local at off
    at=$(child "$app" where "$1" "$2") || { log "no control \"$1\""; return 1; }
    off=($(d_offset))
    set -- "$1" "$2" "${3:-}" $at
    d_point $(($4 + off[0])) $(($5 + off[1]))
    sleep 0.3
    d_click "$3"
    sleep 0.8
}

check_letter() {
    local letter=$dir_now/start/write.txt why=""
    rm -f "$letter"
    if ! click_control Letter "push button"; then why="no \"Letter\" label found"
    elif ! child "$app" showing "Pipkin's Classroom Letter Board" 10; then why="the Letter Board never came up"
    else
        sleep 1
        d_type ab
        sleep 0.5
        click_control "Save Letter" "push button" || why="no \"Save Letter\" button found"
        sleep 1
    fi
    if grep -q ab "$letter" 2>/dev/null; then
        results+=("\"Letter\" then \"ab\": in write.txt")
    else
        [ -z "$why" ] && why="write.txt: $(head -c 60 "$letter" 2>/dev/null || echo missing)"
        results+=("\"Letter\" then \"ab\": NOT in the letter ($why)")
        problems+=("typing on the Letter Board did not reach the letter")
    fi
    click_control "Go To ABCs" "push button"
    child "$app" showing "Pipkin's Classroom" 10
}

choose_menu() { click_control "$1" "menu item" && click_control "$2" "menu item"; }

# The parent's goodbye, then Super and Alt+Tab must reach the desktop again.
check_goodbye() {
    local k again="" why=""
    choose_menu Menus "This Screen Menus On" || why="the menu Menus > This Screen Menus On could not be chosen"
    choose_menu "Exit Program on/off" "Goodbye On" || why="the menu Exit Program on/off > Goodbye On could not be chosen"
    click_control "Good Bye" "push button" double || why="no \"Good Bye\" label found"
    if ! wait_for 15 sh -c "! kill -0 $app"; then
        results+=("after Good Bye: the program did NOT end${why:+ ($why)}")
        problems+=("Good Bye did not end the program")
        return
    fi
    app="" app_window=""
    x_stranger second-window
    sleep 1
    for k in super alt+Tab; do
        [ -z "${control_saw[$k]:-}" ] && { again="$again $k:UNTESTED"; continue; }
        try_key "$k"
        if [ -n "$seen" ]; then again="$again $k:acts($seen)"; else again="$again $k:NOT-SEEN"; fi
    done
    results+=("after Good Bye: program ended; desktop again:$again")
    case $again in *NOT-SEEN*) problems+=("after Good Bye the desktop did not act on a key");; esac
}
