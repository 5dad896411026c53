#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get as a family would, and starts the installed
# classroom. It changes the machine, so it runs only in CI (as root); elsewhere it is skipped.
# Usage: deb_test.sh BUILD_DIR   (runs with DISPLAY set, through with_desktop.sh)
set -euo pipefail
build=$1
if [ "${CI:-}" != "true" ] || [ "$(id -u)" -ne 0 ]; then
    echo "skipped: installs a package on this machine, so it runs only in CI as root"
    exit 77
fi
cd "$build"
rm -f pipkins-classroom_*.deb
cpack -G DEB >/dev/null
deb=$(ls pipkins-classroom_*.deb | head -n1)
[ -n "$deb" ] || { echo "FAILED: no package"; exit 1; }
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q "./$deb" >/dev/null
trap 'kill "${app:-}" 2>/dev/null || true; apt-get remove -y -q pipkins-classroom >/dev/null || true' EXIT
export HOME=$(mktemp -d)
SDL_AUDIODRIVER=dummy /usr/bin/pipkins-classroom >/dev/null 2>&1 &
app=$!
for _ in $(seq 600); do
    if xdotool search --onlyvisible --name "^ Pipkin's Classroom  \$" >/dev/null 2>&1; then
        echo "1 passed, 0 failed"
        exit 0
    fi
    kill -0 "$app" 2>/dev/null || { echo "FAILED: the installed classroom ended at start"; exit 1; }
    sleep 0.1
done
echo "FAILED: the installed classroom never showed its ABCs board"
exit 1
