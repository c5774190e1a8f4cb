#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo with the tools Debian's desktops use, and
# first makes sure those tools do reject a broken file, so that a silent validator cannot pass.
# Usage: validate_metadata.sh <desktop file> <metainfo file> <scratch folder>
set -uo pipefail

desktop="$1"
metainfo="$2"
scratch="$3"
failures=0

fail()
{
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done
rm -rf "$scratch" && mkdir -p "$scratch"

# The validators themselves: an entry in an unregistered menu category and a metainfo file without
# a name must fail.
sed -e 's/^Categories=.*/Categories=Education;Wavemaking;/' "$desktop" > "$scratch/broken.desktop"
desktop-file-validate "$scratch/broken.desktop" >/dev/null 2>&1 &&
    fail "desktop-file-validate accepted an unregistered category"
sed -e '/<name>/d' "$metainfo" > "$scratch/$(basename "$metainfo")"
appstreamcli validate --no-net "$scratch/$(basename "$metainfo")" >/dev/null 2>&1 &&
    fail "appstreamcli accepted a metainfo file without a name"

echo "== desktop-file-validate $desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejected $desktop"
echo "== appstreamcli validate --no-net $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejected $metainfo"

# What the issue asks of the entry beyond validity: the menu place and both languages.
value()
{
    sed -n "s/^$1=//p" "$desktop" | head -n 1
}
[ "$(value Categories)" = "Education;Science;Physics;" ] ||
    fail "Categories is '$(value Categories)'"
for key in Name Comment 'Name\[el\]' 'Comment\[el\]'; do
    [ -n "$(value "$key")" ] || fail "the desktop entry has no $key"
done
[ "$(value 'Comment\[el\]')" != "$(value Comment)" ] || fail "the Greek comment is the English one"
grep -q '<p xml:lang="el">' "$metainfo" || fail "the metainfo description has no Greek text"
grep -Eq '<image>https?://[^<]+\.png</image>' "$metainfo" || fail "the metainfo names no screenshot"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "desktop entry and metainfo are valid"
