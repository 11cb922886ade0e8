#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tolvar project
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the model-based test of the window for at least a million steps in the sanitizer build,
# in rounds with fresh seeds, and prints the steps, sequences and failures; then reads a hundred
# thousand texts (copies with lines cut, doubled or mutated, and bytes of any kind) as copied
# results in the same build.
#   tools/long_run.sh [STEPS]      (default 1000000)
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:-1000000}
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$(nproc)" --target model_test core_tests >/dev/null
export QT_QPA_PLATFORM=offscreen QT_STYLE_OVERRIDE=Fusion LC_ALL=C.UTF-8
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
steps=0 sequences=0 failures=0 rounds=0
started=$(date +%s)
while ((steps < target)); do
    rounds=$((rounds + 1))
    seed=$(od -An -N8 -tu8 /dev/urandom | tr -d ' ')
    if output=$(RC_PARAMS="max_success=5000 max_size=100 seed=$seed verbose_progress=0" \
        build/asan/tests/ui/model_test 2>&1); then :; else
        failures=$((failures + 1))
        echo "$output" | tail -n 30
    fi
    line=$(echo "$output" | sed -n 's/^model test: \([0-9]*\) steps in \([0-9]*\) sequences$/\1 \2/p')
    steps=$((steps + ${line% *}))
    sequences=$((sequences + ${line#* }))
    echo "round $rounds: $steps steps, $sequences sequences, $failures failures"
done
echo "long run: $steps steps in $sequences sequences, $failures failures, $(($(date +%s) - started)) s"
started=$(date +%s)
RC_PARAMS="max_success=${READER_TEXTS:-100000} max_size=200" build/asan/tests/core/core_tests \
    --gtest_filter='ReadCopiedResult.AnyTextGivesAResultOrAReason' | grep -E 'OK, passed|Falsifiable|FAILED'
echo "reader long run: $(($(date +%s) - started)) s"
