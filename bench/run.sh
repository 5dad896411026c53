#!/usr/bin/env bash
# Builds the release classroom and measures it: prints the results table and writes it to
# bench/results.md. Needs Xvfb (scripts/setup.sh installs it).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
cmake -S "$here" -B "$here/build/bench" -DCMAKE_BUILD_TYPE=Release -DPIPKIN_TESTS=OFF >/dev/null
cmake --build "$here/build/bench" -j2 >/dev/null
build="$here/build/bench"
out="$here/bench/results.md"

work=$(mktemp -d)
trap 'kill "${xserver:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
exec 3<> "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xserver=$!
display=""
for _ in $(seq 100); do display=$(head -n1 "$work/displayfd" 2>/dev/null || true); [ -n "$display" ] && break; sleep 0.1; done
export DISPLAY=":$display" XDG_RUNTIME_DIR="$work" SDL_AUDIODRIVER=dummy

cp -r "$build/start" "$work/start"
{
    echo "| figure | result | floor or goal | how |"
    echo "|---|---|---|---|"
    "$build/bench/pipkin-bench" startup "$build/pipkins-classroom" "$work/start" "$build/bench/pipkin-floor-window"
    "$build/bench/pipkin-bench" idle "$build/pipkins-classroom" "$work/start"
    "$build/bench/pipkin-bench" inprocess "$build/start"
    "$build/bench/pipkin-bench" memory "$build/start"
    "$build/bench/pipkin-bench" switch "$build/start"
} | tee "$out.new"
{
    echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores, $(awk '/MemTotal/{printf "%.0f GiB", $2/1048576}' /proc/meminfo);"
    echo "Xvfb 1920x1080, SDL dummy audio driver, release build."
    echo
    cat "$out.new"
} >"$out"
rm -f "$out.new"
# The README shows the latest table too.
readme="$here/README.md"
awk -v results="$out" '
    /^<!-- bench results end -->/ { while ((getline line < results) > 0) print line; skipping = 0 }
    !skipping { print }
    /^<!-- bench results:/ { skipping = 1 }
' "$readme" >"$readme.new" && mv "$readme.new" "$readme"
