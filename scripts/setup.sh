#!/usr/bin/env bash
# Installs, from Debian's archive, whatever the build and the tests need and
# the machine lacks. Does nothing slow when everything is already there.
set -euo pipefail

packages=(
    cmake
    ninja-build
    g++
    clang
    libclang-rt-14-dev
    pkg-config
    libgtest-dev
    libbenchmark-dev
    qt6-base-dev
    qt6-base-private-dev
    libqt6svg6
    qt6-charts-dev
    libqt6opengl6-dev # Qt Charts' CMake package needs it and does not depend on it
    qt6-svg-dev
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

# Arb, the ball arithmetic: a package of its own beside FLINT 2 (Debian 12),
# part of libflint-dev from FLINT 3 on (Debian 13), where libflint-arb-dev
# is gone. Which of the two this release has is asked once the package
# lists are up to date.
arb_missing=true
if installed libflint-arb-dev || { installed libflint-dev &&
    dpkg --compare-versions "$(dpkg-query -W -f='${Version}' libflint-dev)" ge 3; }; then
    arb_missing=false
fi

if [ ${#missing[@]} -eq 0 ] && [ "$arb_missing" = false ]; then
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
echo "Installo: ${missing[*]}"
DEBIAN_FRONTEND=noninteractive "${sudo_if_needed[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
