#!/usr/bin/env bash
# Redraws the editor's pictures (button bitmaps, window icon, the desktop's program icon,
# BANNER.BMP, FIRST.BMP) into resources/ with the picture maker. BUILD_DIR selects the build
# tree to build it in.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$here/build}
cmake -S "$here" -B "$build_dir" -G Ninja >/dev/null
cmake --build "$build_dir" --target cellvane_picture_maker
"$build_dir/resources/cellvane_picture_maker" "$here/resources"
