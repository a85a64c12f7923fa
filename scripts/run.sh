#!/usr/bin/env bash
# Builds the application and starts its window. Without a display the
# application says so in one line and exits with status 1.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target lavoro1
exec build/release/bin/lavoro1 </dev/null
