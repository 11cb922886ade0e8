#!/usr/bin/env bash
# Installs whatever Debian packages are missing, builds, then either starts Tolvar or runs every
# test headless.
#   bash build.sh run      build and start the program
#   bash build.sh test     build and run all tests, also in a sanitizer build
#   bash build.sh package  build the Debian package build/default/tolvar_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ cmake make qt6-base-dev libgtest-dev librapidcheck-dev fonts-dejavu-core fonts-liberation2
    dpkg-dev file desktop-file-utils appstream devscripts)

install_missing() {
    local missing=() package
    for package in "${packages[@]}"; do
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
    cmake --preset "$1"
    cmake --build --preset "$1" -j "$(nproc)"
}

case "${1:-}" in
    run)
        install_missing
        build default
        exec build/default/app/tolvar
        ;;
    test)
        install_missing
        build default
        ctest --preset default
        build asan
        ctest --preset asan
        ;;
    package)
        install_missing
        build default
        (cd build/default && cpack)
        ;;
    *)
        echo "usage: bash build.sh run|test|package" >&2
        exit 2
        ;;
esac
