#!/usr/bin/env bash
# Renders the main window in each of its views (offscreen) into docs/, and the address book
# loaded from a copy of the sample card in scripts/screenshots/sample-card with its editors and
# the drive dialog, then the File menu and the report of importing the card's address book file,
# and the report of converting a schedule saved under another model.
# BUILD_DIR selects the build tree, whose bin/ is the program directory used.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$here/build}
cmake -S "$here" -B "$build_dir" -G Ninja >/dev/null
cmake --build "$build_dir" --target cellvane_screenshots
mkdir -p "$here/docs"
QT_QPA_PLATFORM=offscreen "$build_dir/scripts/cellvane_screenshots" "$build_dir/bin" "$here/docs" \
    "$here/scripts/screenshots/sample-card"
