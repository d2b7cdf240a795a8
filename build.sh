#!/usr/bin/env bash
# Sets up a Debian machine for Cellvane, builds it and then runs the editor or the tests.
#   ./build.sh run    install what is missing, build, start the editor
#   ./build.sh test   install what is missing, build, run every test
#   ./build.sh package  install what is missing, build, make the Debian package in the build tree
# BUILD_DIR and CMAKE_ARGS select another build tree and configuration.
set -euo pipefail

action=${1:-run}
here=$(cd "$(dirname "$0")" && pwd)
build_dir=${BUILD_DIR:-$here/build}
packages=(cmake g++ ninja-build pkg-config qt6-base-dev libgtest-dev libgmock-dev
          libbenchmark-dev binutils fonts-ipafont-gothic libical-dev python3-vobject
          python3-icalendar
          # the Debian package and packaging/check_package.sh
          dpkg-dev file desktop-file-utils libxml2-utils shared-mime-info libglib2.0-bin)

install_missing_packages() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}"
}

build() {
    # shellcheck disable=SC2086
    cmake -S "$here" -B "$build_dir" -G Ninja ${CMAKE_ARGS:-}
    cmake --build "$build_dir" --parallel "$(nproc)"
}

case "$action" in
run)
    install_missing_packages
    build
    if [ -x "$build_dir/bin/Cellvane" ]; then
        exec "$build_dir/bin/Cellvane"
    fi
    echo "Built the codec library into $build_dir/bin/; the editor is not part of the build yet."
    ;;
test)
    install_missing_packages
    build
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$build_dir" --output-on-failure \
        --parallel "$(nproc)"
    ;;
package)
    install_missing_packages
    build
    (cd "$build_dir" && cpack -G DEB)
    ;;
*)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
