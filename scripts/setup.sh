#!/usr/bin/env bash
# Installs, from Debian's archive, whatever the build and the tests need and
# the machine lacks. Does nothing slow when everything is already there.
set -euo pipefail

packages=(
    cmake
    ninja-build
    ccache # CMake compiles through it when it is there (cmake/ProjectOptions.cmake)
    g++
    clang
    pkg-config
    libgtest-dev
    libbenchmark-dev
    qt6-base-dev
    qt6-base-private-dev
    libqt6svg6
    qt6-charts-dev
    libqt6opengl6-dev # Qt Charts' CMake package needs it and does not depend on it
    qt6-svg-dev
    qt6-tools-dev # Qt6LinguistTools' CMake package
    qt6-l10n-tools # lupdate and lrelease
    qt6-translations-l10n # Qt's own texts: the file dialog's and message boxes' buttons
    libmpfr-dev
    libgmp-dev
    nlohmann-json3-dev
    fonts-dejavu-core
    desktop-file-utils
    appstream
    man-db
    groff-base
    dpkg-dev
    file
    lintian
    emscripten # the browser edition's core (web/)
    chromium   # its tests, driven by Playwright
    media-types # /etc/mime.types, the types they expect the page's files served with
    libreoffice-calc-nogui # a real spreadsheet reads the table's .ods under two locales (calc_tests)
)

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=()
for package in "${packages[@]}"; do
    if ! installed "$package"; then
        missing+=("$package")
    fi
done

# npm for the browser edition's packages: Debian's, unless a Node.js from
# elsewhere brought its own.
if ! command -v npm >/dev/null 2>&1 && ! installed npm; then
    missing+=(npm)
fi

# libFuzzer's runtime, in the package of the clang release installed, which
# each Debian release names after its own major version (libclang-rt-14-dev
# in Debian 12). Empty while clang itself is missing.
clang_runtime() {
    local major
    major=$(clang --version 2>/dev/null | sed -n 's/.*clang version \([0-9][0-9]*\)\..*/\1/p' | head -n 1)
    if [ -n "$major" ]; then
        echo "libclang-rt-$major-dev"
    fi
}
runtime=$(clang_runtime)
if [ -n "$runtime" ] && ! installed "$runtime"; then
    missing+=("$runtime")
fi

# Arb, the ball arithmetic: a package of its own beside FLINT 2 (Debian 12),
# part of libflint-dev from FLINT 3 on (Debian 13), where libflint-arb-dev
# is gone. Which of the two this release has is asked once the package
# lists are up to date.
arb_missing=true
if installed libflint-arb-dev || { installed libflint-dev &&
    dpkg --compare-versions "$(dpkg-query -W -f='${Version}' libflint-dev)" ge 3; }; then
    arb_missing=false
fi

if [ ${#missing[@]} -eq 0 ] && [ "$arb_missing" = false ] && [ -n "$runtime" ]; then
    exit 0
fi

sudo_if_needed=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_if_needed=(sudo)
fi

"${sudo_if_needed[@]}" apt-get update -qq
if [ "$arb_missing" = true ]; then
    if apt-cache show libflint-arb-dev >/dev/null 2>&1; then
        missing+=(libflint-arb-dev)
    else
        missing+=(libflint-dev)
    fi
fi
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installo: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive "${sudo_if_needed[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
# clang was installed just now: its runtime follows.
if [ -z "$runtime" ]; then
    runtime=$(clang_runtime)
    if [ -z "$runtime" ]; then
        echo "clang --version non dice la versione di clang" >&2
        exit 1
    fi
    if ! installed "$runtime"; then
        echo "Installo: $runtime"
        DEBIAN_FRONTEND=noninteractive "${sudo_if_needed[@]}" apt-get install -y -qq \
            --no-install-recommends "$runtime" >/dev/null
    fi
fi
