#!/usr/bin/env bash
# Builds the project and runs every test. Usage: scripts/test.sh [release|debug|asan|ci|ci-asan]
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-release}"
bash scripts/setup.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset"
