#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tolvar project
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the pictures in docs/ from a real window under a private Xvfb, with a small window manager
# (openbox) so the title bar and its icon show as on a desktop. Needs xvfb, openbox, xdotool,
# x11-utils and imagemagick; the dark picture also qt6-gtk-platformtheme, whose GTK theme
# Adwaita:dark gives Qt a dark palette as a dark desktop does; the results over time xclip, and the
# printed page poppler-utils.
#   tools/screenshot.sh [BINARY]     (default build/default/app/tolvar)
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/default/app/tolvar}

app= xvfb= wm=
pages=$(mktemp -d)
trap 'kill $app $wm $xvfb 2>/dev/null || true; rm -rf "$pages"' EXIT

# server WIDTHxHEIGHT: a new private X server of that size with openbox on it.
server() {
    kill $wm $xvfb 2>/dev/null || true
    export DISPLAY=:$((90 + RANDOM % 9))
    Xvfb "$DISPLAY" -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 1
}

keys() {
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.15
    done
}

# shoot OUTPUT SCALE SCENARIO [ENVIRONMENT...]: starts the program, runs the keys of the scenario,
# takes the picture of the window with its frame (or, for OUTPUT *-screen.png, the whole screen),
# and ends the program.
shoot() {
    local out=$1 scale=$2 scenario=$3 window frame x y w h
    env QT_SCALE_FACTOR="$scale" QT_QPA_PLATFORM=xcb "${@:4}" "$binary" >/dev/null 2>&1 &
    app=$!
    window=$(xdotool search --sync --onlyvisible --name '^Tolvar$' | head -n 1)
    sleep 0.5
    "$scenario"
    sleep 0.5
    # A scenario that ends in a dialog is pictured by that dialog.
    if [[ -n ${dialog:-} ]]; then
        window=$(xdotool search --sync --onlyvisible --name "^$dialog\$" | head -n 1)
        sleep 1
    fi
    frame=$(xwininfo -id "$window" -tree | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    if [[ $out == *-screen.png ]]; then
        import -window root "$out"
    elif [[ -n ${popup:-} ]]; then
        # A menu is a window of its own over the frame: the screen, cut to the frame.
        read -r x y w h < <(xwininfo -id "${frame:-$window}" | awk '/Absolute upper-left X/ {x=$NF}
            /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
        import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out"
    else
        import -window "${frame:-$window}" "$out"
    fi
    kill "$app"
    wait "$app" 2>/dev/null || true
    echo "wrote $out"
}

start() { :; }

# Every question answered "A", stored by moving on, then evaluated; the closing message is closed.
# The access keys of Proceed, Next, Previous and Evaluate are those of the language shown.
answer_all_a() {
    keys "alt+$1" Return
    for question in $(seq 28); do
        keys Up Up
        if ((question < 28)); then keys "alt+$2"; else keys "alt+$3"; fi
    done
    keys "alt+$4"
    sleep 0.5
    keys Return
}
all_a() { answer_all_a p n v e; }
all_a_german() { answer_all_a f w z u; }

# The result copied; a new exercise with another mark and four replies the other way; then the
# comparison of the two.
compare() {
    all_a
    keys ctrl+c alt+s Tab Tab Tab Down Down Down Down alt+p Return
    for question in $(seq 28); do
        if ((question <= 3 || question == 9)); then keys Up; else keys Up Up; fi
        if ((question < 28)); then keys alt+n; else keys alt+v; fi
    done
    keys alt+e
    sleep 0.5
    keys Return ctrl+v
    sleep 0.5
}

# The Result menu opened after an evaluation.
menu() {
    all_a
    keys alt+r
}

# Three earlier results on the clipboard, compared with today's.
over_time() {
    all_a
    xclip -selection clipboard -i tools/earlier-results.txt
    keys ctrl+v
    sleep 0.5
}

# The result exported as a PDF through the file dialog, its page drawn as a picture.
report() {
    all_a
    keys alt+r d
    sleep 1
    keys ctrl+a
    xdotool type "$pages/report.pdf"
    keys Return
    for _ in $(seq 50); do [[ -s $pages/report.pdf ]] && break; sleep 0.1; done
    pdftoppm -r 72 -png -singlefile "$pages/report.pdf" docs/report
    echo "wrote docs/report.png"
}

server 1600x1200
shoot docs/screenshot.png 1 start
shoot docs/result.png 1 all_a
shoot docs/result-dark.png 1 all_a QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
shoot docs/screenshot-2x.png 2 start
shoot docs/result-de.png 1 all_a_german LANGUAGE=de
shoot docs/result-hi.png 1 all_a LANGUAGE=hi
shoot docs/result-ar.png 1 all_a LANGUAGE=ar
shoot docs/result-zh.png 1 all_a LANGUAGE=zh_CN
dialog="Compare with Earlier Result" shoot docs/compare.png 1 compare
dialog="المقارنة بنتيجة سابقة" shoot docs/compare-ar.png 1 compare LANGUAGE=ar
popup=1 shoot docs/menu.png 1 menu
dialog="Your results over time" shoot docs/over-time.png 1 over_time
shoot "$pages/window.png" 1 report
# Large text on small screens: fonts drawn at 168 dots per inch on 1024 x 768, and everything at
# one and a half times on 1366 x 768. The text keeps its size; the window takes the screen's width,
# its controls reflow to it and its content scrolls down; the comparison wraps to the screen too.
server 1024x768
shoot docs/large-font-screen.png 1 start QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=168
dialog="Compare with Earlier Result" shoot docs/compare-large-screen.png 1 compare \
    QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=168
server 1366x768
shoot docs/scale-1.5-screen.png 1.5 start
