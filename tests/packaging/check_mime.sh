#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a MIME database from the package's XML with update-mime-database, as the desktop's
# package trigger does on installation, and checks what it made of the scenario type: the glob,
# the magic of the first line with and without its quotes, the icon and both comments. The tool
# is first shown to report a broken file, so that a silent one cannot pass.
# Usage: check_mime.sh <MIME XML> <scratch folder>
set -uo pipefail

xml="$1"
scratch="$2"
type="application/x-dalvo-scenario"
source "$(dirname "$0")/checks.sh"

command -v update-mime-database >/dev/null || { echo "FAIL: update-mime-database is not installed" >&2; exit 1; }
rm -rf "$scratch" && mkdir -p "$scratch"

# A database of the one file; any word from the tool counts as a fault. The folder is named in
# XDG_DATA_DIRS, so that the tool does not remark that no program would look there.
build()
{
    local share="$1" out
    mkdir -p "$share/mime/packages"
    cp "$2" "$share/mime/packages/dalvo.xml"
    out="$(XDG_DATA_DIRS="$share" update-mime-database "$share/mime" 2>&1)"
    local status=$?
    [ -n "$out" ] && echo "$out"
    [ "$status" -eq 0 ] && [ -z "$out" ]
}

sed -e 's|<glob pattern="\*.dlv"/>|<glob pattern="*.dlv">|' "$xml" > "$scratch/broken.xml"
build "$scratch/broken" "$scratch/broken.xml" >/dev/null && fail "update-mime-database passed a broken file"

echo "== update-mime-database with $xml"
build "$scratch/share" "$xml" || fail "update-mime-database reported on $xml"
mime="$scratch/share/mime"

grep -qx "50:$type:\*\.dlv" "$mime/globs2" || fail "the glob *.dlv is not in globs2: $(cat "$mime/globs2")"
grep -qx "$type:dalvo" "$mime/icons" || fail "the icon is not dalvo: $(cat "$mime/icons")"
grep -qx "$type text/plain" "$mime/subclasses" || fail "the type is not a kind of text/plain"
# The compiled magic: a section for the type, then one line per match, "offset=" then the
# value's length in two bytes, then the value.
magic="$(tr -d '\000' < "$mime/magic")"
grep -q "^\[[0-9]*:$type\]\$" <<<"$magic" || fail "the magic has no section for $type"
grep -qF '>0='$'\021''"Dalvo.exe V 1.0"' <<<"$magic" || fail "the magic lacks the quoted first line"
grep -qF '>0='$'\017''Dalvo.exe V 1.0' <<<"$magic" || fail "the magic lacks the unquoted first line"
described="$mime/application/x-dalvo-scenario.xml"
grep -q '<comment>Dalvo scenario</comment>' "$described" || fail "no English comment"
grep -q '<comment xml:lang="el">Σενάριο Dalvo</comment>' "$described" || fail "no Greek comment"

finish "the scenario type is known by its name and its first line"
