#!/usr/bin/env bash
# Builds the project and runs every test. Usage: scripts/test.sh [release|debug|asan|ci|ci-asan]
# With the default preset, release, the browser edition's tests too
# (scripts/test-web.sh); .ci/run runs those once, after the ci preset.
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-release}"
bash scripts/setup.sh
# The ci preset is the package's build: Debian's flags, as scripts/package.sh
# sets them when it packages this build in CI.
if [ "$preset" = ci ]; then
    . scripts/debian-flags.sh
fi
cmake --preset "$preset" >/dev/null
# Make, the ci-asan preset's generator, runs one job unless told; Ninja's
# own default, the cores and two.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(($(nproc) + 2))}"
cmake --build --preset "$preset"
ctest --preset "$preset"
if [ "$preset" = release ]; then
    ARCHIMEDE="$PWD/build/release/bin/archimede" bash scripts/test-web.sh
fi
