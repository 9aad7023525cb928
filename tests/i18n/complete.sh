#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text the program shows has its translation in every language: lupdate run afresh over
# the sources into a copy of each .ts file must find no message new or unfinished.
# Usage: complete.sh LUPDATE SOURCE_DIR "FOLDER..." TS_FILE...
set -u
lupdate=$1 top=$2 folders=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
    copy=$work/$(basename "$ts")
    cp "$top/$ts" "$copy"
    (cd "$top" && "$lupdate" -silent -no-obsolete -locations none $folders -ts "$copy") || { echo "FAIL: lupdate on $ts"; exit 1; }
    missing=$(grep -c 'type="unfinished"' "$copy")
    if [ "$missing" -ne 0 ]; then
        echo "FAIL: $ts lacks $missing translation(s):"
        grep -B 3 'type="unfinished"' "$copy" | grep '<source>' | sed 's/^ */    /'
        status=1
    fi
    cmp -s "$top/$ts" "$copy" || { echo "FAIL: $ts is not up to date with the sources (run the update_translations target)"; status=1; }
done
[ "$status" -eq 0 ] && echo "PASS"
exit "$status"
