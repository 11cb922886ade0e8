#!/usr/bin/env bash
# Makes the pictures in docs/ from a real window under a private Xvfb, with a small window manager
# (openbox) so the title bar and its icon show as on a desktop. Needs xvfb, openbox, xdotool,
# x11-utils and imagemagick.
#   tools/screenshot.sh [BINARY]     (default build/default/app/tolvar)
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/default/app/tolvar}

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
sleep 1

keys() {
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.15
    done
}

# shoot OUTPUT SCALE: starts the program, runs the keys of the scenario, takes the picture of the
# window with its frame, and ends the program.
shoot() {
    local out=$1 scale=$2 scenario=$3 window frame
    QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb "$binary" >/dev/null 2>&1 &
    app=$!
    window=$(xdotool search --sync --onlyvisible --name '^Tolvar$' | head -n 1)
    sleep 0.5
    "$scenario"
    sleep 0.5
    frame=$(xwininfo -id "$window" -tree | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    import -window "${frame:-$window}" "$out"
    kill "$app"
    wait "$app" 2>/dev/null || true
    echo "wrote $out"
}

start() { :; }

# Every question answered "A", stored by moving on, then evaluated; the closing message is closed.
all_a() {
    keys alt+p Return
    for question in $(seq 28); do
        keys Up Up
        if ((question < 28)); then keys alt+n; else keys alt+v; fi
    done
    keys alt+e
    sleep 0.5
    keys Return
}

shoot docs/screenshot.png 1 start
shoot docs/result.png 1 all_a
shoot docs/screenshot-2x.png 2 start
