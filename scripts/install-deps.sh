#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that a task needs, when any is missing. Each script names its task,
# so that running the program does not bring in the test, packaging and benchmark tools.
# Usage: install-deps.sh TASK...   where TASK is one of
#   run      build and run the program (also what scripts/screenshot.sh needs)
#   test     the whole test suite: sanitizers, the clang fuzz build, the source format, the
#            benchmarks' build, the PDF check of printing, ffprobe for the animations and the
#            desktop and package checks (lintian included)
#   package  build the Debian package with CPack
#   bench    build and run the benchmarks
set -euo pipefail

# The compiler and build tools, Qt 6 (Core, Gui, Widgets, PrintSupport and Svg; qt6-base-dev also
# holds Qt Test), Qt's translation tools (lrelease builds the translations into the program, the
# CMake package and lupdate update them), Qt's own translations, the fonts the window is drawn
# with, and the libraries the animations are written with (giflib; FFmpeg's codecs, containers,
# pixel conversion and utilities).
run=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    fontconfig fonts-dejavu-core fonts-liberation2
    libgif-dev libavcodec-dev libavformat-dev libswscale-dev libavutil-dev
)

packages=()
[ $# -gt 0 ] || { sed -n 's/^# \{0,1\}//; 5,11p' "$0" >&2; exit 2; }
for task in "$@"; do
    case "$task" in
    run) packages+=("${run[@]}") ;;
    test)
        packages+=("${run[@]}"
            clang libclang-rt-14-dev         # the fuzz target, built with clang and libFuzzer
            clang-format                     # the sources keep the tree's .clang-format
            libbenchmark-dev time            # the benchmarks build with the suite
            poppler-utils                    # pdftoppm reads the printed PDF back
            ffmpeg                           # ffprobe reads the animations back
            xvfb xauth                       # an X server, to run a test under X by hand
            desktop-file-utils appstream     # the desktop entry and metainfo validators
            shared-mime-info                 # update-mime-database builds the scenario type
            dpkg-dev file lintian)           # the package build and its checks
        ;;
    package) packages+=("${run[@]}" dpkg-dev file) ;;   # dpkg-shlibdeps for the Depends
    bench) packages+=("${run[@]}" libbenchmark-dev time) ;;
    *) echo "install-deps.sh: unknown task '$task' (run, test, package or bench)" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
