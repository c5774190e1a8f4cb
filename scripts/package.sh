#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Dalvo for release and makes the Debian package with CPack.
# Prints the path of the .deb; install it with: sudo apt install ./build/package/dalvo_*.deb
# Extra arguments go to cmake, e.g. -DDALVO_MAINTAINER="Ada Teacher <ada@school.example>" (a package
# for others needs a maintainer with a mail address) or -DDALVO_SCREENSHOT_URL=<web address>.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DDALVO_BUILD_TESTS=OFF \
    -DDALVO_BUILD_BENCH=OFF -DDALVO_SANITIZE=OFF "$@" >&2
cmake --build build/package >&2
rm -f build/package/dalvo_*.deb
cpack --config build/package/CPackConfig.cmake -G DEB -B build/package >&2
deb="$(ls build/package/dalvo_*.deb)"
echo "$(pwd)/$deb"
