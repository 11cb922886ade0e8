#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tolvar project
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and memory of Tolvar against a bare Qt Widgets window of Tolvar's defined size
# (594x428) with one label (bench/bare_window.cpp), both built with the same compiler and flags
# (default preset).
#
# What a user starting the program on a fresh desktop meets, as far as one machine can show it:
# a private Xvfb at 1024x768 and 96 dpi with a black background (-br) and no window manager, a
# private session bus, a fresh home with fresh XDG config, cache and runtime folders (made once
# for all runs; neither program writes to them), LANG=C.UTF-8 and nothing else from the caller's
# environment. After one warm-up run each, the two programs take turns. Each run
# (bench/startup_probe.cpp) times from exec to the window's map (MapNotify on the root window) and
# to its first paint (the first poll of a pixel near the window's top-left corner that is no
# longer black), and reads the resident memory at the map. Shown: medians, the middle half of the
# runs (25 % to 75 %) as the spread, and Tolvar against the label window, as the ratio of the
# medians and, in brackets, the median and middle half of the ratios within each pair of runs.
# The processor time the program's main thread had used by the map and before the first paint
# (at the last poll that still found black) is shown too: where other work shares the machine it
# moves far less than the times from exec, so it tells a real change from noise. Started as root,
# everything measured runs at nice -5, ahead of background builds; check the load shown before
# trusting the times.
#
#   bench/startup.sh [RUNS [LANGUAGE]]   (RUNS per program, default 21; LANGUAGE, such as de,
#                                          runs both programs with LANGUAGE set to it)
#
# Needs the build's packages (g++ cmake make qt6-base-dev librsvg2-bin) and xvfb, dbus and
# libx11-dev (for the probe). It installs nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
language=${2:-}
[[ $runs =~ ^[1-9][0-9]*$ && $language =~ ^[a-z_A-Z]*$ ]] ||
    { echo "usage: bench/startup.sh [RUNS [LANGUAGE]]" >&2; exit 2; }
for tool in Xvfb:xvfb dbus-daemon:dbus cmake:cmake; do
    command -v "${tool%%:*}" >/dev/null || { echo "needs ${tool%%:*} (package ${tool#*:})" >&2; exit 1; }
done

cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target tolvar bare_window startup_probe >/dev/null
probe=$PWD/build/default/bench/startup_probe
tolvar=$PWD/build/default/app/tolvar
label=$PWD/build/default/bench/bare_window
[[ -x $probe ]] || { echo "the probe was not built: needs libx11-dev" >&2; exit 1; }

priority=()
[[ $(nice -n -5 nice 2>/dev/null) == -5 ]] && priority=(nice -n -5)

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
poll() {  # poll SECONDS COMMAND...: until the command succeeds, at most SECONDS
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

"${priority[@]}" Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -br -nolisten tcp \
    3>"$work/display" 2>/dev/null &
pids+=($!)
poll 10 test -s "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
"${priority[@]}" dbus-daemon --session --nofork --print-address=3 3>"$work/bus" 2>/dev/null &
pids+=($!)
poll 10 test -s "$work/bus" || { echo "dbus-daemon did not start" >&2; exit 1; }

mkdir -p "$work/home" "$work/config" "$work/cache" "$work/runtime"
chmod 700 "$work/runtime"
session=(env -i PATH="$PATH" HOME="$work/home" LANG=C.UTF-8 ${language:+LANGUAGE=$language}
    DISPLAY=":$(head -n 1 "$work/display")" DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/bus")"
    XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime")
measure() { "${session[@]}" "${priority[@]}" "$probe" "$@"; }

load_before=$(cut -d ' ' -f 1-3 /proc/loadavg)
measure "$tolvar" >/dev/null
measure "$label" >/dev/null
for _ in $(seq "$runs"); do
    t=$(measure "$tolvar") && l=$(measure "$label") || { echo "a run failed" >&2; exit 1; }
    echo "$t $l"
done >"$work/runs"
load_after=$(cut -d ' ' -f 1-3 /proc/loadavg)

# Each line of runs: Tolvar's map, paint (us), resident memory (KiB), main thread's processor
# time at the map and before the paint (us), then the same five for the label window.
# quartiles EXPRESSION: the median and the middle half of the runs of an awk expression.
quartiles() {
    awk "{print $1}" "$work/runs" | sort -g | awk '
        { v[NR] = $1 }
        function at(p,   r, i) { r = 1 + p * (NR - 1); i = int(r); return v[i] + (r - i) * (v[i + 1] - v[i]) }
        END { v[NR + 1] = v[NR]; printf "%.3f %.3f %.3f\n", at(0.5), at(0.25), at(0.75) }'
}
# row TITLE UNIT DIVISOR COLUMN TARGET: Tolvar, the label window, and Tolvar against it, as a
# ratio for times and as a difference for memory.
row() {
    local title=$1 unit=$2 divisor=$3 t=$4 l=$(($4 + 5)) target=$5 against
    if [[ $unit == MiB ]]; then
        against=$(quartiles "(\$$t - \$$l) / $divisor")
    else
        against=$(quartiles "\$$t / \$$l")
    fi
    echo "$title|$unit|$(quartiles "\$$t / $divisor")|$(quartiles "\$$l / $divisor")|$against|$target"
}
echo "runs each: $runs, alternating after one warm-up; load $load_before before, $load_after after;" \
    "${priority[*]:-normal priority}"
{
    row "exec to map" ms 1000 1 "target at most 1.05"
    row "exec to first paint" ms 1000 2 "target at most 1.10"
    row "resident at map" MiB 1024 3 "target at most +1.5"
    row "processor, map" ms 1000 4 ""
    row "processor, paint" ms 1000 5 ""
} | awk -F '|' '
    BEGIN { printf "%-20s %-22s %-22s %s\n", "median (25-75 %)", "Tolvar", "label window", "Tolvar against it: of the medians (each pair: median, 25-75 %)" }
    {
        split($3, t, " "); split($4, l, " "); split($5, a, " ")
        printf "%-20s %6.1f %s (%.1f-%.1f)  %6.1f %s (%.1f-%.1f)  ", $1, t[1], $2, t[2], t[3], l[1], $2, l[2], l[3]
        if ($2 == "MiB") printf "%+.2f MiB (%+.2f, %+.2f to %+.2f)", t[1] - l[1], a[1], a[2], a[3]
        else printf "%.3f (%.3f, %.3f-%.3f)", t[1] / l[1], a[1], a[2], a[3]
        printf "  %s\n", $6
    }'
