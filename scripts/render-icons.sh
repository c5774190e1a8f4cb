#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders packaging/dalvo.svg into the hicolor PNG sizes that are committed
# beside it. A developer tool: run it after changing the icon, then commit
# the PNGs; the build only installs what is already there.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
src="$root/packaging/dalvo.svg"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render-icons.sh: rsvg-convert not found; install librsvg2-bin" >&2
    exit 1
fi

for n in 16 32 48 64 128 256; do
    out="$root/packaging/icons/hicolor/${n}x${n}/apps/dalvo.png"
    mkdir -p "$(dirname "$out")"
    rsvg-convert --width "$n" --height "$n" --keep-aspect-ratio "$src" --output "$out"
    echo "$out"
done
