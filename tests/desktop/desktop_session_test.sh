#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tolvar project
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on real display servers, as a desktop runs it:
#  - X11: a 1024x768 Xvfb with the openbox window manager and a large font. The window carries the
#    desktop entry's WM_CLASS, its frame is centred on the screen and wholly on it, and Alt+Q ends
#    the program.
#  - Wayland: weston's headless backend. The window carries the desktop entry's app_id, is mapped
#    with a buffer, and a termination signal closes it cleanly. Skipped, saying so, when Qt has no
#    Wayland platform plugin (package qt6-wayland), as in a bare build chroot.
# Every server is private to this run and ended by it; waits poll with a timeout.
#   desktop_session_test.sh PROGRAM
set -euo pipefail
program=$1
# Alt+Q is the English window's access key for Quit.
unset LANGUAGE
export LC_ALL=C.UTF-8
app_id=org.tolvar.Tolvar

needs() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null ||
            { echo "missing $tool: install the test packages (bash build.sh test)"; exit 1; }
    done
}
needs Xvfb openbox xdotool xprop xwininfo

work=$(mktemp -d)
started=()
cleanup() {
    local pid
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${started[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
# poll SECONDS COMMAND...: runs the command until it succeeds, or fails after SECONDS.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" 2>/dev/null; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}
# ends PID: the program's exit status once it has ended, within 10 seconds.
ends() {
    poll 10 eval '! kill -0 '"$1" || fail "the program did not end"
    local status=0
    wait "$1" || status=$?
    return "$status"
}

# --- X11 ---------------------------------------------------------------------------------------
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
started+=($!)
poll 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")
openbox --sm-disable >/dev/null 2>&1 &
started+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
poll 10 wm_ready || fail "openbox did not start"

# Fonts are drawn at 168 dots per inch without scaling the rest: every text is nearly twice as
# large as the default and the window as built would not fit the screen.
QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=168 "$program" 2>"$work/x11.log" &
app=$!
started+=($app)
window_id() { xdotool search --onlyvisible --name '^Tolvar$' | head -n 1; }
has_window() { [[ -n $(window_id) ]]; }
poll 20 has_window || fail "no window titled Tolvar: $(cat "$work/x11.log")"
window=$(window_id)

wm_class=$(xprop -id "$window" WM_CLASS)
[[ $wm_class == *"\"$app_id\""* ]] || fail "WM_CLASS does not name $app_id: $wm_class"
echo "x11: $wm_class"

# The frame's geometry as "X Y WIDTH HEIGHT", from the window manager's parent of the window.
frame_geometry() {
    local frame
    frame=$(xwininfo -id "$window" -tree | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    xwininfo -id "$frame" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
read -r _ _ area_width area_height < <(xprop -root _NET_WORKAREA | tr -d ',' | awk '{print $3, $4, $5, $6}')
centred() {
    local x y w h
    read -r x y w h < <(frame_geometry)
    ((x >= 0 && y >= 0 && x + w <= area_width && y + h <= area_height)) || return 1
    local dx=$((2 * x + w - area_width)) dy=$((2 * y + h - area_height))
    ((dx <= 4 && dx >= -4 && dy <= 4 && dy >= -4))
}
poll 10 centred || fail "frame not centred inside ${area_width}x${area_height}: $(frame_geometry)"
echo "x11: frame $(frame_geometry) on ${area_width}x${area_height}, centred"

xdotool windowactivate --sync "$window" key --clearmodifiers alt+q
ends "$app" || fail "Alt+Q ended the program with status $?"
echo "x11: Alt+Q ended the program"

# Where the defined form is too wide for the screen at 168 dpi, the window reflows to the screen's
# width, mirrored from right to left: the framed window is no wider than the work area and lies on
# it, and Quit, now at the window's top, ends it by its access key. TOLVAR_SCREENSHOT names a file
# to keep a picture of it.
QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=168 "$program" -reverse \
    2>>"$work/x11.log" &
app=$!
started+=($app)
poll 20 has_window || fail "no reflowed window: $(cat "$work/x11.log")"
window=$(window_id)
poll 10 centred || fail "the reflowed frame is not inside ${area_width}x${area_height}: $(frame_geometry)"
read -r _ _ frame_width _ < <(frame_geometry)
((frame_width <= area_width)) || fail "the reflowed frame is $frame_width wide on $area_width"
if [[ -n ${TOLVAR_SCREENSHOT:-} ]]; then
    import -window root "$TOLVAR_SCREENSHOT"
fi
echo "x11: reflowed right to left at QT_FONT_DPI=168, frame $(frame_geometry) inside ${area_width}x${area_height}"
xdotool windowactivate --sync "$window" key --clearmodifiers alt+q
ends "$app" || fail "Alt+Q did not end the reflowed window: status $?"

# --- Wayland -----------------------------------------------------------------------------------
# Qt names the platform plugins it has when asked for one it does not have, then aborts.
# At fractional scales (1.75 and 2.25, where a frame's 1-pixel border is less than one logical
# pixel) the framed window still lies inside the work area, to the pixel; -reverse too.
for run in "168" "216" "216 -reverse"; do
    read -r dpi options <<<"$run"
    # shellcheck disable=SC2086 # the options are words of their own
    QT_QPA_PLATFORM=xcb QT_FONT_DPI=$dpi "$program" $options 2>>"$work/x11.log" &
    app=$!
    started+=($app)
    poll 20 has_window || fail "no window at ${run}: $(cat "$work/x11.log")"
    window=$(window_id)
    poll 10 centred || fail "at ${run} the frame is not inside ${area_width}x${area_height}: $(frame_geometry)"
    echo "x11: at QT_FONT_DPI=${run}, frame $(frame_geometry) inside ${area_width}x${area_height}"
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+q
    ends "$app" || fail "Alt+Q ended the program with status $? at ${run}"
done

platforms=$( {
    ulimit -c 0
    QT_QPA_PLATFORM=tolvar-none "$program" 2>&1 >/dev/null || true
} 2>/dev/null | sed -n 's/^Available platform plugins are: //p')
if [[ ! ${platforms:?Qt did not list its platform plugins} =~ (^|[ ,])wayland([,.]|$) ]]; then
    echo "wayland: SKIPPED, Qt has no Wayland platform plugin (install qt6-wayland): $platforms"
    echo "desktop session: X11 checks passed, Wayland skipped"
    exit 0
fi
needs weston
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=tolvar-test --idle-time=0 --no-config \
    >"$work/weston.log" 2>&1 &
started+=($!)
poll 10 test -S "$XDG_RUNTIME_DIR/tolvar-test" || fail "weston did not start"

WAYLAND_DISPLAY=tolvar-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" \
    2>"$work/wayland.log" &
app=$!
started+=($app)
poll 20 grep -q "set_app_id(\"$app_id\")" "$work/wayland.log" || fail "no app_id $app_id"
poll 20 grep -qE 'wl_surface@[0-9]+\.attach\(wl_buffer' "$work/wayland.log" ||
    fail "the window was never drawn"
echo "wayland: app_id $app_id, window drawn"
kill -TERM "$app"
ends "$app" || fail "the program ended with status $? on a termination signal"
grep -qE 'xdg_toplevel@[0-9]+\.destroy\(\)' "$work/wayland.log" || fail "the window was not closed"
echo "wayland: closed cleanly on a termination signal"
echo "desktop session: all checks passed"
