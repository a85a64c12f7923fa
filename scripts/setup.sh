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
    libflint-arb-dev
    libmpfr-dev
    libgmp-dev
    nlohmann-json3-dev
    fonts-dejavu-core
    desktop-file-utils
    appstream
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_if_needed=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_if_needed=(sudo)
fi

echo "Installo: ${missing[*]}"
"${sudo_if_needed[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_if_needed[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
