#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Dalvo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run
# Neither the tests (Qt Test) nor the benchmarks (Google Benchmark): running needs neither.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDALVO_BUILD_TESTS=OFF \
    -DDALVO_BUILD_BENCH=OFF
cmake --build build/release --target dalvo
exec build/release/src/dalvo "$@"
