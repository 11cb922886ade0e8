#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tolvar project
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whatever Debian packages are missing, builds, then either starts Tolvar or runs every
# test headless.
#   bash build.sh run      build and start the program
#   bash build.sh test     build and run all tests, also in a sanitizer build
#   bash build.sh package  build the Debian package build/default/tolvar_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")"

# What building and running the program needs; qt6-wayland lets it run natively on Wayland.
run_packages=(g++ cmake make qt6-base-dev libxcb1-dev librsvg2-bin qt6-wayland fonts-dejavu-core)
# What only the tests need besides: their libraries and fonts, the package checks, and the real
# servers the integration tests start (X server, window manager, Wayland compositor, the Orca
# screen reader with its speech and accessibility buses).
test_packages=(libgtest-dev librapidcheck-dev fonts-liberation2 dpkg-dev file desktop-file-utils
    appstream devscripts xvfb xauth openbox x11-utils xdotool weston orca speech-dispatcher
    at-spi2-core dbus procps lintian reuse man-db)

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    ((${#missing[@]} == 0)) && return
    local sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}"
}

build() {
    cmake --preset "$1" -DTOLVAR_BUILD_TESTS=ON
    cmake --build --preset "$1" -j "$(nproc)"
}

case "${1:-}" in
    run)
        install_missing "${run_packages[@]}"
        cmake --preset default -DTOLVAR_BUILD_TESTS=OFF
        cmake --build --preset default -j "$(nproc)" --target tolvar
        exec build/default/app/tolvar
        ;;
    test)
        install_missing "${run_packages[@]}" "${test_packages[@]}"
        build default
        ctest --preset default
        build asan
        ctest --preset asan
        ;;
    package)
        install_missing "${run_packages[@]}" "${test_packages[@]}"
        build default
        (cd build/default && cpack)
        ;;
    *)
        echo "usage: bash build.sh run|test|package" >&2
        exit 2
        ;;
esac
