#!/usr/bin/env bash
# Builds the classroom and starts it from its generated start directory.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
cmake --preset release -S "$here" >/dev/null
cmake --build --preset release
cd "$here/build/release/start"
exec ../pipkins-classroom "$@"
