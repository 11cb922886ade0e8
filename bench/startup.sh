#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tolvar project
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and memory of Tolvar against a bare Qt Widgets window titled "Tolvar", built with
# the same compiler and flags. Under a private Xvfb, each run times exec until the window is
# mapped and reads the resident memory then; the programs alternate. A third program, the bare
# window with one label, shows what loading the font system costs any window with text.
#   bench/startup.sh [RUNS]      (default 21; needs xvfb and libx11-dev)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}

cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target tolvar bare_window startup_probe >/dev/null
probe=build/default/bench/startup_probe
tolvar=build/default/app/tolvar
bare=build/default/bench/bare_window

display=:$((70 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x960x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
sleep 0.5

# One warm-up run each, so all start from the same disk cache.
"$probe" "$tolvar" >/dev/null
"$probe" "$bare" >/dev/null
"$probe" "$bare" --label >/dev/null

: >"${tmp:=$(mktemp)}"
for run in $(seq "$runs"); do
    read -r t m < <("$probe" "$tolvar")
    echo "tolvar $t $m" >>"$tmp"
    read -r t m < <("$probe" "$bare")
    echo "bare $t $m" >>"$tmp"
    read -r t m < <("$probe" "$bare" --label)
    echo "label $t $m" >>"$tmp"
done 2>/dev/null

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
tolvar_time=$(awk '$1=="tolvar"{print $2}' "$tmp" | median)
bare_time=$(awk '$1=="bare"{print $2}' "$tmp" | median)
label_time=$(awk '$1=="label"{print $2}' "$tmp" | median)
tolvar_rss=$(awk '$1=="tolvar"{print $3}' "$tmp" | median)
bare_rss=$(awk '$1=="bare"{print $3}' "$tmp" | median)
label_rss=$(awk '$1=="label"{print $3}' "$tmp" | median)
rm -f "$tmp"

awk -v tt="$tolvar_time" -v bt="$bare_time" -v tm="$tolvar_rss" -v bm="$bare_rss" -v n="$runs" \
    -v lt="$label_time" -v lm="$label_rss" 'BEGIN {
    printf "runs each:            %d\n", n
    printf "start-up, Tolvar:     %.1f ms (median)\n", tt / 1000
    printf "start-up, bare Qt:    %.1f ms (median)\n", bt / 1000
    printf "ratio:                %.3f\n", tt / bt
    printf "memory, Tolvar:       %.1f MiB resident at map (median)\n", tm / 1024
    printf "memory, bare Qt:      %.1f MiB resident at map (median)\n", bm / 1024
    printf "memory above bare:    %.2f MiB\n", (tm - bm) / 1024
    printf "bare Qt with a label: %.1f ms, %.1f MiB; Tolvar against it: %.3f (target at most 1.10), %+.2f MiB (target at most 1.5)\n",
           lt / 1000, lm / 1024, tt / lt, (tm - lm) / 1024
}'
