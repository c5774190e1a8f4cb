#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Dalvo and its benchmarks (Release, in build/bench) and runs them
# headless. Extra arguments go to the benchmark program, e.g. --benchmark_format=json for
# machine-readable results on standard output. Afterwards the peak resident memory of the real
# program, shown offscreen for three seconds, is printed on standard error.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh bench
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DDALVO_BUILD_TESTS=OFF \
    -DDALVO_BUILD_BENCH=ON >&2
cmake --build build/bench --target dalvo_bench dalvo >&2
export QT_QPA_PLATFORM=offscreen
build/bench/bench/dalvo_bench "$@"

# The program takes no options; it is stopped from outside. timeout signals its whole process
# group, so the program ends and time reports on it.
report="$(mktemp)"
trap 'rm -f "$report"' EXIT
timeout -s INT 3 /usr/bin/time -v -o "$report" build/bench/src/dalvo >/dev/null 2>&1 || true
peak_kb="$(sed -n 's/^[[:space:]]*Maximum resident set size (kbytes): //p' "$report")"
if [ -n "$peak_kb" ]; then
    echo "dalvo peak resident memory: $((peak_kb / 1024)) MB (${peak_kb} kB)" >&2
else
    echo "dalvo peak resident memory: not measured" >&2
fi
