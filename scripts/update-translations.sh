#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings every translation in translations/ up to date with the texts the sources mark for
# translation: a new text is added unfinished, a text no source has any more is dropped. Then
# translate what is unfinished in Qt Linguist (or in the .ts file itself) and build.
# The build's target dalvo_lupdate runs this script too.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate="${LUPDATE:-$(command -v lupdate6 || command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}"
# No line numbers in the files: an edit elsewhere in a source changes no translation.
"$lupdate" -locations none -no-obsolete -source-language el src -ts translations/dalvo_*.ts
