#!/usr/bin/env bash
# Builds the browser edition (web/) and serves it on http://127.0.0.1:8080,
# compressed, until Ctrl+C. The built folder, web/dist/, is plain static files
# that any web server can host; web/dist/lavoro1.html alone is the whole page
# in one file. Usage: scripts/web.sh [PORT]
set -euo pipefail
cd "$(dirname "$0")/.."

port="${1:-8080}"
bash scripts/setup.sh
(cd web && npm ci --no-audit --no-fund && npm run build)
exec node web/scripts/serve.mjs "$port"
