#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test headless; then builds the monkey
# with AddressSanitizer and UndefinedBehaviorSanitizer and lets it loose on every board.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
cd "$here"
cmake --preset dev >/dev/null
cmake --build --preset dev
# Rows labelled open-fault show a fault not mended yet (see tests/desktops/CMakeLists.txt).
ctest --preset dev -LE open-fault
cmake --preset asan >/dev/null
cmake --build --preset asan --target test_monkey
ctest --preset asan -R 'e2e\.Monkey'
