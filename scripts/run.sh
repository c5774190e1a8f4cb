#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Dalvo and starts it.
set -euo pipefail
source "$(dirname "$0")/release-build.sh"
cmake --build build/release --target dalvo
exec build/release/src/dalvo "$@"
