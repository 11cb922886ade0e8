#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tolvar project
# SPDX-License-Identifier: GPL-3.0-or-later
# Pasting into the field that takes an earlier result, whatever the X clipboard holds, as a user
# without a clipboard manager meets it: a private Xvfb with openbox, the program evaluated, then
# - the clipboard's owner has ended (text copied in a program since closed): Ctrl+V opens the
#   field, Ctrl+V in the field pastes nothing, and the program goes on;
# - the same for the primary selection and the middle mouse button;
# - the clipboard holds only an image: nothing is pasted;
# - a live clipboard with today's copied result: pasted, read and compared.
# Every server is private to this run and ended by it; waits poll with a timeout.
#   clipboard_test.sh PROGRAM
set -euo pipefail
program=$1
# The keys are the English window's access keys.
unset LANGUAGE WAYLAND_DISPLAY
export LC_ALL=C.UTF-8

for tool in Xvfb openbox xdotool xclip xprop; do
    command -v "$tool" >/dev/null ||
        { echo "missing $tool: install the test packages (bash build.sh test)"; exit 1; }
done

work=$(mktemp -d)
started=()
cleanup() {
    local pid
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${started[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" 2>/dev/null; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
started+=($!)
poll 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")
openbox --sm-disable >/dev/null 2>&1 &
started+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
poll 10 wm_ready || fail "openbox did not start"

QT_QPA_PLATFORM=xcb "$program" 2>"$work/program.log" &
app=$!
started+=($app)
alive() { kill -0 "$app" 2>/dev/null || fail "the program ended: $(tail -n 5 "$work/program.log")"; }
windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
shown() { (($(windows "$1") == $2)); }
# Keys go to the active window: each step waits until the window meant has the focus, as the
# window manager gives it back only after a box has closed.
active_is() { [[ $(xdotool getactivewindow getwindowname 2>/dev/null) =~ $1 ]]; }
focus_on() { poll 10 active_is "$1" || fail "the window $1 did not get the focus"; }
poll 20 shown '^Tolvar$' 1 || fail "no window titled Tolvar: $(cat "$work/program.log")"
window=$(xdotool search --onlyvisible --name '^Tolvar$' | head -n 1)
key() {
    alive
    xdotool key --clearmodifiers "$@"
}
# A message box is a second window titled Tolvar; it is closed with Return.
close_box() {
    poll 10 shown '^Tolvar$' 2 || fail "no message box after $1"
    key Return
    poll 10 shown '^Tolvar$' 1 || fail "the message box after $1 did not close"
    poll 10 eval '[[ $(xdotool getactivewindow) == "$window" ]]' ||
        fail "the window did not get the focus back after $1"
}
clipboard_holds() { xclip -o -selection clipboard 2>/dev/null | grep -q "$1"; }

# Answer every question "A", storing each reply by moving on; Evaluate, and where a reply did
# not reach the program, its message's OK shows that question again to answer.
xdotool windowactivate --sync "$window"
key alt+p
close_box Proceed
for _ in $(seq 28); do key Home alt+n; done
key Home alt+v
# Ctrl+C copies the result once there is one; before, it says in a box what it needs.
copied_or_told() { clipboard_holds '^Tolvar result' || shown '^Tolvar$' 2; }
for _ in $(seq 30); do
    key alt+e
    close_box Evaluate
    key ctrl+c
    poll 5 copied_or_told || fail "Ctrl+C neither copied a result nor said why not"
    clipboard_holds '^Tolvar result' && break
    close_box "Ctrl+C without a result"
    key Home alt+n alt+v
done
clipboard_holds '^Tolvar result' || fail "the exercise could not be evaluated"
xclip -o -selection clipboard >"$work/result.txt"
echo "clipboard: evaluated, the result copied"

title='^Compare with Earlier Result$'
# own SELECTION TEXT: a program owns the selection, then ends, as a closed program would.
own_then_end() {
    printf '%s' "$2" | xclip -selection "$1" -i -quiet >/dev/null 2>&1 &
    local owner=$!
    poll 5 eval "xclip -o -selection $1 | grep -qF '$2'" || fail "xclip did not own the $1"
    kill "$owner"
    wait "$owner" 2>/dev/null || true
    poll 5 eval "! xclip -o -selection $1 | grep -qF '$2'" || fail "the $1 kept an owner"
}

own_then_end clipboard 'a text from a program since closed'
key ctrl+v
poll 10 shown "$title" 1 || fail "Ctrl+V with an ownerless clipboard did not open the field"
field=$(xdotool search --onlyvisible --name "$title" | head -n 1)
focus_on "$title"
key ctrl+v
# The field is still there to type into, and takes the next paste.
poll 5 shown "$title" 1 || fail "the field went away after the paste"
alive
echo "clipboard: pasting from a clipboard whose owner ended pastes nothing, the program goes on"

own_then_end primary 'a selection from a program since closed'
xdotool mousemove --window "$field" 60 80 click 2
poll 5 shown "$title" 1 || fail "the field went away after the middle button"
alive
echo "clipboard: the middle button with an ownerless selection pastes nothing"

printf '\x89PNG\r\n\x1a\n' >"$work/picture.png"
xclip -selection clipboard -t image/png -i "$work/picture.png" -quiet >/dev/null 2>&1 &
picture=$!
started+=($picture)
poll 5 eval "xclip -o -selection clipboard -t TARGETS | grep -q image/png" || fail "no image owned"
key ctrl+v
alive
kill "$picture"
echo "clipboard: an image alone pastes nothing"

# A live clipboard with a result: pasted, OK compares, and the comparison copies as text.
xclip -selection clipboard -i "$work/result.txt" -quiet >/dev/null 2>&1 &
started+=($!)
poll 5 clipboard_holds '^Tolvar result' || fail "xclip did not own the result"
focus_on "$title"
key ctrl+v
# Tab leaves the field for OK, enabled once the text reads as a result.
key Tab Return
comparison_shown() {
    local shown_id
    shown_id=$(xdotool search --onlyvisible --name "$title" | head -n 1)
    [[ -n $shown_id && $shown_id != "$field" ]]
}
poll 10 comparison_shown || fail "no comparison after pasting a result"
focus_on "$title"
key ctrl+c
poll 5 clipboard_holds '^Compare with Earlier Result' ||
    fail "the pasted result was not compared: $(xclip -o -selection clipboard | head -n 3)"
echo "clipboard: a result pasted from a live clipboard is compared"

key Escape
poll 10 shown "$title" 0 || fail "Escape did not close the comparison"
focus_on '^Tolvar$'
key alt+q
poll 10 eval "! kill -0 $app" || fail "Alt+Q did not end the program"
wait "$app" || fail "the program ended with status $?"
echo "clipboard: all checks passed"
