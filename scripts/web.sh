#!/usr/bin/env bash
# Builds the browser edition (web/) and serves it on http://127.0.0.1:8080
# until Ctrl+C. The built folder, web/dist/, is plain static files that any
# web server can host. Usage: scripts/web.sh [PORT]
set -euo pipefail
cd "$(dirname "$0")/.."

port="${1:-8080}"
bash scripts/setup.sh
(cd web && npm ci --no-audit --no-fund && npm run build)
echo "Lavoro1: http://127.0.0.1:$port/ (Ctrl+C per fermare)"
# Python's server gives .wasm its type, application/wasm.
exec python3 -m http.server --bind 127.0.0.1 --directory web/dist "$port"
