#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tolvar project
# SPDX-License-Identifier: GPL-3.0-or-later
# Each language's translation is complete and up to date with the program's texts: lupdate run
# over the sources changes nothing in its .ts file (no text new, changed or gone), and lrelease
# finds every text finished.
#   check_translations.sh LUPDATE LRELEASE TS_DIR LANGUAGE... -- LUPDATE_ARGUMENTS...
set -euo pipefail
lupdate=$1 lrelease=$2 ts_dir=$3
shift 3
languages=()
while (($#)) && [[ $1 != -- ]]; do languages+=("$1"); shift; done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
for language in "${languages[@]}"; do
    ts=$ts_dir/tolvar_$language.ts
    cp "$ts" "$work/updated.ts"
    "$lupdate" -silent "$@" -ts "$work/updated.ts"
    if ! diff -u "$ts" "$work/updated.ts" >"$work/changes"; then
        echo "FAIL $language: out of date with the program's texts (run the update_translations target):"
        grep '^[-+] *<source>' "$work/changes" | head -n 10
        failed=1
        continue
    fi
    report=$("$lrelease" -nounfinished "$ts" -qm "$work/check.qm")
    total=$(grep -c '<source>' "$ts")
    if ! grep -q "Generated $total translation(s) ($total finished and 0 unfinished)" <<<"$report" ||
        grep -q 'Ignored' <<<"$report"; then
        echo "FAIL $language: not every text is translated and finished:"
        echo "$report"
        failed=1
        continue
    fi
    echo "ok $language: $total texts, all finished"
done
exit "$failed"
