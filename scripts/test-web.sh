#!/usr/bin/env bash
# Builds the browser edition (web/) and runs its tests in Debian's Chromium,
# headless: Form1's cases, Esplora, both languages and schemes, the keyboard,
# a phone's width, the address and its history, offline after one visit, an
# update served as a plain static host serves it, every file of the page as
# scripts/web.sh's server serves it, the single file from file://, a failed
# load, and every step against the native archimede. Installs what is missing first (emscripten, chromium, the npm
# packages of web/package-lock.json). ARCHIMEDE names the native archimede to
# compare with; by default that of build/ci or build/release, built if
# neither is, in the desktop build where the page's build made its native
# proven-series.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cd web
npm ci --no-audit --no-fund
npm run build
if [[ -z ${ARCHIMEDE:-} && ! -x ../build/ci/bin/archimede && ! -x ../build/release/bin/archimede ]]; then
    native=../build/release
    [[ -f ../build/ci/CMakeCache.txt ]] && native=../build/ci
    cmake --build "$native" --target archimede
fi
npm run typecheck
# Lint and format check of the TypeScript and scripts; any warning fails.
npm run lint
# Playwright's summary closes the output: "N passed", and "N failed" if any.
npx playwright test
