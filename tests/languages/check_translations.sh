#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text the sources mark for translation is translated in every translation of the tree, and
# no translation keeps a text the sources no longer have: lupdate brings copies of the .ts files up
# to date, and any entry it leaves unfinished or vanished is named.
# Usage: check_translations.sh SOURCE_TREE LUPDATE WORK_FOLDER
set -euo pipefail
tree="$1" lupdate="$2" work="$3"
rm -rf "$work"
mkdir -p "$work"
cp "$tree"/translations/dalvo_*.ts "$work"/
if ! "$lupdate" -locations none -source-language el "$tree/src" -ts "$work"/dalvo_*.ts \
    >"$work/lupdate.log" 2>&1; then
    cat "$work/lupdate.log"
    exit 1
fi
cat "$work/lupdate.log"
awk '
    /<source>/ { source = $0; sub(/^ *<source>/, "", source); sub(/<\/source>.*/, "", source) }
    match($0, /<translation type="[a-z]+"/) {
        kind = substr($0, RSTART + 19, RLENGTH - 20)
        print FILENAME ": " kind ": " source
        bad = 1
    }
    END { exit bad }' "$work"/dalvo_*.ts || {
    echo "Run scripts/update-translations.sh (or build dalvo_lupdate) and translate the texts above." >&2
    exit 1
}
echo "Every translation is complete."
