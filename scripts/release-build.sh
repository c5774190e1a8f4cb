# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by run.sh and screenshot.sh: from the top of the tree, installs what running needs and
# configures the release build in build/release, without the tests (Qt Test) and the benchmarks
# (Google Benchmark): running needs neither. The caller then builds its target.
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/install-deps.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDALVO_BUILD_TESTS=OFF \
    -DDALVO_BUILD_BENCH=OFF
