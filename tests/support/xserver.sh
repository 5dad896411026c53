# Sourced by the real-desktop test scripts. start_xserver WORK_DIR starts a private Xvfb on a display
# no other test has just used (the lowest free number, what -displayfd picks, is the one a finished
# test's server is still letting go of), waits until it answers, and sets xserver and DISPLAY.
start_xserver() {
    local work=$1 n
    display=""
    for n in $(shuf -i 100-899 -n 20); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        xserver=$!
        for _ in $(seq 100); do DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
        if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then display=$n; break; fi
        kill "$xserver" 2>/dev/null || true; wait "$xserver" 2>/dev/null || true; xserver=""
    done
    [ -n "$display" ] || { echo "no X server would start"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY=":$display"
}
