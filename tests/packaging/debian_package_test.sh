#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tolvar project
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages from the last commit, as `bash build.sh package`
# does, in a private folder (the build tree this runs from is left alone), and checks them as a
# distribution would:
#  - the committed sources follow REUSE;
#  - CMake, NEWS and debian/changelog name the same version;
#  - with Debian's own flags no compiler or linker flag is given twice and nothing is redefined;
#  - lintian, pedantic, finds no error and no warning but the one every first upload has;
#  - the .deb holds every file in its place, depends on Qt and not on its test library;
#  - the desktop entry, metainfo and manual page pass their validators, the icons have their
#    sizes, the program answers --version and passes hardening-check.
#   debian_package_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$(realpath "$1")
app_id=org.tolvar.Tolvar

if ! git -C "$source_dir" rev-parse --verify -q HEAD >/dev/null 2>&1; then
    echo "SKIP: $source_dir is not a git checkout with a commit; the package is built from one"
    exit 77
fi
for tool in git dpkg-buildpackage dh lintian reuse hardening-check desktop-file-validate \
    appstreamcli man file; do
    command -v "$tool" >/dev/null ||
        { echo "missing $tool: install the test packages (bash build.sh test)"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir "$work/tree"
git -C "$source_dir" archive HEAD | tar -x -C "$work/tree"
(cd "$work/tree" && reuse lint >"$work/reuse" 2>&1) || { cat "$work/reuse"; fail "reuse lint"; }
echo "ok reuse lint on the committed files"

version=$(sed -n 's/^project(Tolvar VERSION \([0-9.]*\).*/\1/p' "$work/tree/CMakeLists.txt")
news_version=$(sed -n '1s/^Tolvar \([0-9.]*\).*/\1/p' "$work/tree/NEWS")
debian_version=$(dpkg-parsechangelog -l "$work/tree/debian/changelog" -S Version)
[[ $news_version == "$version" && ${debian_version%-*} == "$version" ]] ||
    fail "versions differ: CMake $version, NEWS $news_version, debian/changelog $debian_version"
echo "ok version $version everywhere"

# The build runs the package's own tests unless DEB_BUILD_OPTIONS says nocheck.
bash "$source_dir/build.sh" package "$work/out" >"$work/build.log" 2>&1 ||
    { tail -n 60 "$work/build.log"; fail "the package did not build"; }
! grep -n 'redefined' "$work/build.log" || fail "a macro is redefined in the build"
# Every compile and link, each flag counted once; one fortify level, one -O level. (Qt's moc
# also asks the compiler for its predefined macros, with -dM.)
grep -oE '/usr/bin/(c|g)\+\+ .* -o .*' "$work/build.log" | grep -v ' -dM ' >"$work/commands" ||
    fail "no compiler commands in the build log"
while read -r command; do
    twice=$(tr ' ' '\n' <<<"$command" | { grep -E '^-([fWgO]|D_FORTIFY|Wl,)' || true; } |
        sed -E 's/^-D_FORTIFY_SOURCE=.*/-D_FORTIFY_SOURCE/; s/^-O.*/-O/' | sort | uniq -d)
    [[ -z $twice ]] || fail "given twice: $twice, in: $command"
done <"$work/commands"
echo "ok $(wc -l <"$work/commands") compiler commands, no flag twice"

changes=$(ls "$work"/out/tolvar_*.changes)
lintian --pedantic -I -E --tag-display-limit 0 "$changes" >"$work/lintian" 2>&1 || true
cat "$work/lintian"
! grep -E '^[EW]: ' "$work/lintian" | grep -v ' initial-upload-closes-no-bugs' ||
    fail "lintian reports errors or warnings"
echo "ok lintian"

deb=$(ls "$work"/out/tolvar_*.deb)
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$work/contents"
printf '%s\n' \
    ./usr/bin/tolvar \
    ./usr/share/applications/$app_id.desktop \
    ./usr/share/doc/tolvar/changelog.Debian.gz \
    ./usr/share/doc/tolvar/changelog.gz \
    ./usr/share/doc/tolvar/copyright \
    ./usr/share/icons/hicolor/128x128/apps/$app_id.png \
    ./usr/share/icons/hicolor/16x16/apps/$app_id.png \
    ./usr/share/icons/hicolor/32x32/apps/$app_id.png \
    ./usr/share/icons/hicolor/48x48/apps/$app_id.png \
    ./usr/share/icons/hicolor/64x64/apps/$app_id.png \
    ./usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    ./usr/share/man/man1/tolvar.1.gz \
    ./usr/share/metainfo/$app_id.metainfo.xml | sort >"$work/expected"
diff -u "$work/expected" "$work/contents" || fail "the package does not hold exactly these files"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6; do
    [[ $depends == *"$library"* ]] || fail "no dependency on $library: $depends"
done
[[ $depends != *libqt6test* ]] || fail "depends on the test library: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
for package in qt6-wayland qt6-translations-l10n fonts-lohit-deva; do
    [[ $recommends == *"$package"* ]] || fail "does not recommend $package: $recommends"
done
echo "ok package contents and relations"

root=$work/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$app_id.metainfo.xml"
MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/tolvar.1.gz" 2>"$work/man" >/dev/null
[[ ! -s $work/man ]] || { cat "$work/man"; fail "the manual page has warnings"; }
for size in 16 32 48 64 128; do
    picture=$(file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
    [[ $picture == *"$size x $size"* ]] || fail "icon not ${size}px: $picture"
done
[[ $(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/tolvar" --version | head -n 1) == \
    "tolvar $version" ]] || fail "the packaged program does not answer --version"
# Debian 12's own start files (crt1.o and friends) carry no control-flow marks, so no program
# linked there passes that check whatever its own flags. Its libc calls with a buffer are memcpy
# and memmove from Qt and the standard library with run-time sizes, and a read whose size the
# compiler proves safe, so hardening-check finds no checked function and says "no" for fortify:
# that every compile has it is checked in the build log instead.
hardening-check --nocfprotection --nofortify "$root/usr/bin/tolvar"
grep -E ' -c [^ ]+\.cpp' "$work/commands" >"$work/compiles"
! grep -v -e '-D_FORTIFY_SOURCE=' "$work/compiles" || fail "compiled without fortify"
! grep -v -e '-fstack-protector-strong' "$work/compiles" || fail "compiled without stack protector"
echo "debian package: all checks passed"
