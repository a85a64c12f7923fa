#!/usr/bin/env bash
# Builds the project and runs every test. Usage: scripts/test.sh [release|debug|asan|ci|ci-asan]
# With the default preset, release, the browser edition's tests too
# (scripts/test-web.sh); .ci/run runs those once, after the ci preset.
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-release}"
bash scripts/setup.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset"
if [ "$preset" = release ]; then
    ARCHIMEDE="$PWD/build/release/bin/archimede" bash scripts/test-web.sh
fi
