#!/usr/bin/env bash
# Takes a screenshot of the program under a private Xvfb with a small window manager, so the
# title bar and its icon show as on a desktop.
#   tools/screenshot.sh BINARY OUTPUT.png [SCALE] [STEPS]
# STEPS is a list of xdotool key presses made before the picture, e.g. "alt+p Return".
set -euo pipefail
binary=$1 out=$2 scale=${3:-1} steps=${4:-}
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x960x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $wm $xvfb 2>/dev/null || true' EXIT
app= wm=
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb "$binary" >/dev/null 2>&1 &
app=$!
window=$(xdotool search --sync --onlyvisible --name '^Tolvar$' | head -n 1)
sleep 0.5
for key in $steps; do
    xdotool key --clearmodifiers "$key"
    sleep 0.4
done
sleep 0.5
# The window with its frame: the window manager's parent of the client window.
frame=$(xwininfo -id "$window" -tree | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
import -window "${frame:-$window}" "$out"
echo "wrote $out"
