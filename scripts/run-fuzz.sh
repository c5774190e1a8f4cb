#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the scenario reader's fuzz target with clang in a build folder of its own and runs it for
# a bounded time on a copy of the seed corpus. Exits non-zero on any crash, hang or sanitizer
# report. Usage: scripts/run-fuzz.sh [build folder] (default: build-fuzz in the checkout).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-fuzz}"
seconds="${DALVO_FUZZ_SECONDS:-45}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DDALVO_FUZZ=ON -DDALVO_BUILD_TESTS=OFF -DDALVO_SANITIZE=OFF
cmake --build "$build" --target fuzz_scenario_fields

fuzzer="$(find "$build" -type f -name fuzz_scenario_fields -perm -u+x | head -n 1)"
[ -n "$fuzzer" ] || { echo "run-fuzz: fuzz_scenario_fields was not built" >&2; exit 1; }

# The corpus grows while fuzzing; keep the seeds in the tree as they are.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$root/tests/fuzz/corpus" "$work/corpus"
mkdir "$work/artifacts"

# A smaller quarantine keeps the sanitizer well inside the memory limit over the whole run.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=64}"

status=0
"$fuzzer" "$work/corpus" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=1024 \
    -max_len=100000 -artifact_prefix="$work/artifacts/" -print_final_stats=1 || status=$?
if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/artifacts")" ]; then
    echo "run-fuzz: the fuzz target failed (exit status $status); inputs that broke it:" >&2
    for f in "$work/artifacts"/*; do
        [ -e "$f" ] && { echo "$f:" >&2; od -c "$f" | head -n 20 >&2; }
    done
    exit 1
fi
echo "run-fuzz: no crash, hang or sanitizer report in ${seconds} s"
