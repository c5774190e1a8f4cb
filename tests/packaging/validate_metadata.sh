#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the desktop entry and the AppStream metainfo with the tools Debian's desktops use. Any
# hint from desktop-file-validate and any warning or error from appstreamcli fails. The tools are
# first shown to report a broken file in the way this script looks for, so that a silent validator
# cannot pass. The metainfo is checked as the build wrote it, and written afresh by
# packaging/metainfo.cmake both without and with a screenshot address, whatever the build used.
# Usage: validate_metadata.sh <desktop file> <metainfo file> <scratch folder>
set -uo pipefail

desktop="$1"
metainfo="$2"
scratch="$3"
packaging="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../packaging" && pwd)"
failures=0

fail()
{
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli cmake; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done
rm -rf "$scratch" && mkdir -p "$scratch"

# desktop-file-validate exits 0 after hints; a hint counts here all the same.
desktop_clean()
{
    local out status
    out="$(desktop-file-validate "$1" 2>&1)"
    status=$?
    [ -n "$out" ] && echo "$out"
    [ "$status" -eq 0 ] && [ -z "$out" ]
}

# appstreamcli prints one line per finding, "E:", "W:", "I:" or "P:" first; infos and pedantic
# notes are advice, warnings and errors count.
appstream_clean()
{
    local out status
    out="$(appstreamcli validate --no-net "$1" 2>&1)"
    status=$?
    echo "$out"
    [ "$status" -eq 0 ] && ! grep -Eq '^[EW]: ' <<<"$out"
}

# The validators and the checks above: an unregistered menu category, an entry in two main
# categories (only a hint), a metainfo file without a name and an unknown project licence (only a
# warning) must all fail.
sed -e 's/^Categories=.*/Categories=Education;Wavemaking;/' "$desktop" > "$scratch/broken.desktop"
desktop_clean "$scratch/broken.desktop" >/dev/null && fail "an unregistered category passed"
sed -e 's/^Categories=.*/Categories=Education;Science;Physics;/' "$desktop" > "$scratch/hint.desktop"
desktop_clean "$scratch/hint.desktop" >/dev/null && fail "a desktop-file-validate hint passed"
sed -e '/<name>/d' "$metainfo" > "$scratch/noname.metainfo.xml"
appstream_clean "$scratch/noname.metainfo.xml" >/dev/null && fail "a metainfo file without a name passed"
sed -e 's|<project_license>[^<]*</project_license>|<project_license>GPL-3.0-or-later AND Wavemaking</project_license>|' \
    "$metainfo" > "$scratch/licence.metainfo.xml"
grep -q Wavemaking "$scratch/licence.metainfo.xml" || fail "the metainfo has no project_license"
appstream_clean "$scratch/licence.metainfo.xml" >/dev/null && fail "an appstreamcli warning passed"

echo "== desktop-file-validate $desktop"
desktop_clean "$desktop" || fail "desktop-file-validate reported on $desktop"
echo "== appstreamcli validate --no-net $metainfo"
appstream_clean "$metainfo" || fail "appstreamcli reported on $metainfo"

# The same template written without and with a screenshot address; the address carries an "&" to
# show that it reaches the XML escaped.
app_id="$(sed -n 's|^ *<id>\(.*\)</id>$|\1|p' "$metainfo")"
summary="$(sed -n 's|^ *<summary>\(.*\)</summary>$|\1|p' "$metainfo")"
url='https://dalvo.invalid/screenshots/window.png?width=1016&height=736'
for variant in none url; do
    out="$scratch/$variant.metainfo.xml"
    address=""
    [ "$variant" = url ] && address="$url"
    cmake -DTEMPLATE="$packaging/dalvo.metainfo.xml.in" -DOUTPUT="$out" -DDALVO_APP_ID="$app_id" \
        -DPROJECT_DESCRIPTION="$summary" -DDALVO_SCREENSHOT_URL="$address" \
        -P "$packaging/metainfo.cmake" || { fail "metainfo.cmake failed ($variant)"; continue; }
    echo "== appstreamcli validate --no-net $out"
    appstream_clean "$out" || fail "appstreamcli reported on the metainfo written with screenshot: $variant"
done
grep -q '<screenshots>\|<image>' "$scratch/none.metainfo.xml" &&
    fail "the metainfo names a screenshot although no address was given"
[ "$(grep -c "<image>${url//&/&amp;}</image>" "$scratch/url.metainfo.xml")" -eq 1 ] ||
    fail "the metainfo written with an address does not name it once, escaped, as the screenshot"
# The build's metainfo is one of the two, less any screenshot.
sed -e '/<screenshots>/,/<\/screenshots>/d' "$metainfo" | cmp -s - "$scratch/none.metainfo.xml" ||
    fail "the build's metainfo differs from the template's beyond the screenshot"
grep -Eq 'example\.(org|com|net)' "$metainfo" && fail "the metainfo names a made-up address"

# Both licences, as the README states them.
grep -q '^  <metadata_license>CC0-1.0</metadata_license>$' "$metainfo" ||
    fail "the metadata licence is not CC0-1.0"
grep -q '^  <project_license>GPL-3.0-or-later</project_license>$' "$metainfo" ||
    fail "the project licence is not GPL-3.0-or-later"

# What the entry must carry beyond validity: the menu place, the scenario files and both languages.
value()
{
    sed -n "s/^$1=//p" "$desktop" | head -n 1
}
[ "$(value Categories)" = "Education;Physics;" ] || fail "Categories is '$(value Categories)'"
# A scenario file opened from the file manager: the entry takes one file and names its type.
[ "$(value Exec)" = "dalvo %f" ] || fail "Exec is '$(value Exec)'"
[ "$(value MimeType)" = "application/x-dalvo-scenario;" ] || fail "MimeType is '$(value MimeType)'"
for key in Name Comment 'Name\[el\]' 'Comment\[el\]'; do
    [ -n "$(value "$key")" ] || fail "the desktop entry has no $key"
done
[ "$(value 'Comment\[el\]')" != "$(value Comment)" ] || fail "the Greek comment is the English one"
grep -q '<p xml:lang="el">' "$metainfo" || fail "the metainfo description has no Greek text"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "desktop entry and metainfo are valid"
