#!/usr/bin/env bash
# The terminal's conventions: --help and --version answer and end at once, without a window (no
# display is given), an unknown option is refused on stderr with status 2, and the manual page reads.
# Usage: command_line.sh PROGRAM MANUAL_PAGE
set -uo pipefail
program=$1
manual=$2
fail() { echo "FAILED: $*"; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 10 "$program" "$@"; }

out=$(run --help 2>/dev/null); status=$?
[ "$status" -eq 0 ] || fail "--help ended with $status"
grep -q '^Usage: pipkins-classroom' <<<"$out" || fail "--help printed: $out"
for option in --version; do
    out=$(run "$option" 2>&1); status=$?
    [ "$status" -eq 0 ] || fail "$option ended with $status"
    [ "$out" = "pipkins-classroom 1.4" ] || fail "$option printed: $out"
done
for bad in --frobnicate extra "--help --version"; do
    # shellcheck disable=SC2086 # the last case is two arguments
    err=$(run $bad 2>&1 >/dev/null); status=$?
    [ "$status" -eq 2 ] || fail "'$bad' ended with $status"
    grep -q "pipkins-classroom --help" <<<"$err" || fail "'$bad' said: $err"
    [ -z "$(run $bad 2>/dev/null)" ] || fail "'$bad' wrote to stdout"
done
page=$(MANWIDTH=80 man -l "$manual" 2>&1) || fail "man failed: $page"
grep -q "This Screen Menus On" <<<"$page" || fail "the manual page lacks the way out"
echo "1 passed, 0 failed"
