#!/usr/bin/env bash
# Installs what is missing, builds Dalvo for release and makes the Debian package with CPack.
# Prints the path of the .deb; install it with: sudo apt install ./build/package/dalvo_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DDALVO_BUILD_TESTS=OFF \
    -DDALVO_SANITIZE=OFF
cmake --build build/package
rm -f build/package/dalvo_*.deb
cpack --config build/package/CPackConfig.cmake -G DEB -B build/package
deb="$(ls build/package/dalvo_*.deb)"
echo "$(pwd)/$deb"
