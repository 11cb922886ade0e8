#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tolvar project
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whatever Debian packages are missing, builds, then starts Tolvar, runs every test
# headless, or builds the Debian package.
#   bash build.sh run              build and start the program
#   bash build.sh test             build and run all tests, also in a sanitizer build
#   bash build.sh package [DIR]    build the Debian source and binary packages from the last
#                                  commit into DIR (build/package by default)
set -euo pipefail
cd "$(dirname "$0")"

# What building and running the program needs: qt6-tools-dev and qt6-l10n-tools build its
# translations, qt6-translations-l10n gives Qt's own texts in the user's language, and
# qt6-wayland lets it run natively on Wayland.
run_packages=(g++ cmake make qt6-base-dev qt6-tools-dev qt6-l10n-tools libxcb1-dev librsvg2-bin
    qt6-wayland qt6-translations-l10n fonts-dejavu-core)
# What building the Debian package needs besides (its Build-Depends and the tools that check it).
package_packages=(git dpkg-dev debhelper libgtest-dev librapidcheck-dev poppler-utils
    fonts-liberation2 lintian devscripts desktop-file-utils appstream man-db reuse)
# What only the tests need besides: the real servers the integration tests start (X server,
# window manager, Wayland compositor, the Orca screen reader with its speech and accessibility
# buses).
# The fonts the package recommends for Hindi, Arabic and Chinese, so that the program can be
# tried in each language.
test_packages=(file xvfb xauth openbox x11-utils xdotool xclip weston orca speech-dispatcher
    at-spi2-core dbus procps fonts-lohit-deva fonts-dejavu-core fonts-wqy-microhei)

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

# The orig tarball holds the last commit without debian/, which dpkg-source adds as its own
# tarball: only committed files go into the package.
package() {
    local out=${1:-build/package}
    local version
    version=$(sed -n 's/^project(Tolvar VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    [[ -z $(git status --porcelain) ]] ||
        echo "build.sh: uncommitted changes are not in the package; it is built from $(git rev-parse --short HEAD)" >&2
    rm -rf "$out/tolvar-$version"
    mkdir -p "$out"
    out=$(realpath "$out")
    git archive --format=tar.gz --prefix="tolvar-$version/" \
        --output="$out/tolvar_$version.orig.tar.gz" HEAD -- . ':(exclude)debian'
    tar -xzf "$out/tolvar_$version.orig.tar.gz" -C "$out"
    git archive HEAD debian | tar -x -C "$out/tolvar-$version"
    (cd "$out/tolvar-$version" &&
        DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc)
    echo "build.sh: the packages are in $out"
}

case "${1:-}" in
    run)
        install_missing "${run_packages[@]}"
        cmake --preset default -DTOLVAR_BUILD_TESTS=OFF
        cmake --build --preset default -j "$(nproc)" --target tolvar
        exec build/default/app/tolvar
        ;;
    test)
        install_missing "${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}"
        build default
        ctest --preset default
        build asan
        ctest --preset asan
        ;;
    package)
        install_missing "${run_packages[@]}" "${package_packages[@]}"
        package "${2:-}"
        ;;
    *)
        echo "usage: bash build.sh run|test|package [DIR]" >&2
        exit 2
        ;;
esac
