#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test headless.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
cd "$here"
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
