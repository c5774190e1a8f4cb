#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the window during a run, with the program's own paint routine, into docs/screenshot.png,
# at 150 % into docs/screenshot-150.png, and with the y-t graph of a standing wave into
# docs/screenshot-graph.png (the README's pictures). Run it after a change to the
# window's look and commit the PNGs.
set -euo pipefail
source "$(dirname "$0")/release-build.sh"
cmake --build build/release --target dalvo_screenshot
mkdir -p docs
QT_QPA_PLATFORM=offscreen build/release/packaging/dalvo_screenshot docs/screenshot.png
QT_QPA_PLATFORM=offscreen build/release/packaging/dalvo_screenshot docs/screenshot-150.png 100 150
QT_QPA_PLATFORM=offscreen build/release/packaging/dalvo_screenshot --graph docs/screenshot-graph.png 300
