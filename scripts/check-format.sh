#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the tree differs from the tree's own .clang-format, naming the lines.
# Usage: check-format.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
# The files git knows of where there is a checkout, else every source file below the tree's folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -co --exclude-standard -- 'src/*.cpp' 'src/*.h' \
        'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'packaging/*.cpp')
else
    mapfile -t files < <(find src tests bench packaging -name '*.cpp' -o -name '*.h' | sort)
fi
[ ${#files[@]} -gt 0 ] || { echo "check-format.sh: no source files found" >&2; exit 1; }
clang-format --dry-run -Werror "${files[@]}"
echo "${#files[@]} files formatted as .clang-format says"
