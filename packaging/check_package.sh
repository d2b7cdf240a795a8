#!/usr/bin/env bash
# Builds the Debian package in BUILD_DIR and checks it as installed: its file list, the desktop
# entry and file types, then the programs run from the package unpacked below a temporary root,
# which must hold no new or changed file afterwards. Writes only to BUILD_DIR (the package) and
# a temporary folder. Needs dpkg-dev, file, desktop-file-utils, libxml2-utils, shared-mime-info
# and libglib2.0-bin (gio), which build.sh installs.
#   packaging/check_package.sh BUILD_DIR
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "$1" && pwd)

work=$(mktemp -d)
editor_pid=
cleanup() {
    if [ -n "$editor_pid" ]; then
        kill "$editor_pid" 2>/dev/null || true
        wait "$editor_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "check_package: $*" >&2
    exit 1
}

# --- The package and its file list -------------------------------------------------------------
cmake --build "$build_dir" --target Cellvane cellvane-cli
(cd "$build_dir" && cpack -G DEB) >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack failed"
}
package=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$work/cpack.log")
[ -f "$package" ] || fail "cpack named no package: $(cat "$work/cpack.log")"
echo "Package: $package"
dpkg-deb -f "$package" Package Version Architecture Depends

# Everything but directories, as "path" or "path -> target" for links.
dpkg-deb -c "$package" | awk '$1 !~ /^d/ { sub(/^[^.]*\.\//, ""); print }' | sort >"$work/files"
sort >"$work/expected" <<'EOF'
usr/bin/cellvane -> ../lib/cellvane/Cellvane
usr/bin/cellvane-cli -> ../lib/cellvane/cellvane-cli
usr/lib/cellvane/BANNER.BMP
usr/lib/cellvane/Cellvane
usr/lib/cellvane/FIRST.BMP
usr/lib/cellvane/Plugins/phone_d505i.pmd
usr/lib/cellvane/Plugins/phone_f505i.pmd
usr/lib/cellvane/Plugins/phone_n505i.pmd
usr/lib/cellvane/Plugins/phone_p505i.pmd
usr/lib/cellvane/Plugins/phone_sh505i.pmd
usr/lib/cellvane/Plugins/phone_so505i.pmd
usr/lib/cellvane/cellvane-cli
usr/lib/cellvane/help/address.html
usr/lib/cellvane/help/bookmark.html
usr/lib/cellvane/help/help.css
usr/lib/cellvane/help/index.html
usr/lib/cellvane/help/mail.html
usr/lib/cellvane/help/schedule.html
usr/lib/cellvane/help/top.html
usr/lib/cellvane/libHandsetKit.so
usr/lib/cellvane/tessaly/index.html
usr/share/applications/cellvane.desktop
usr/share/icons/hicolor/128x128/apps/cellvane.png
usr/share/icons/hicolor/32x32/apps/cellvane.png
usr/share/mime/packages/cellvane.xml
EOF
diff -u "$work/expected" "$work/files" || fail "the package's files differ from the expected list"
dpkg-deb -f "$package" Depends | grep -q 'libqt6widgets6' \
    || fail "Depends names no Qt Widgets library"

root=$work/root
dpkg -x "$package" "$root"

# --- Desktop entry and file types ---------------------------------------------------------------
desktop-file-validate "$root/usr/share/applications/cellvane.desktop" \
    || fail "desktop-file-validate refused cellvane.desktop"
xmllint --noout "$root/usr/share/mime/packages/cellvane.xml"
mkdir -p "$work/share/mime/packages"
cp "$root/usr/share/mime/packages/cellvane.xml" "$work/share/mime/packages/"
XDG_DATA_DIRS=$work/share update-mime-database "$work/share/mime" \
    || fail "update-mime-database refused cellvane.xml"

# --- The programs, run from the unpacked root as a user would ------------------------------------
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache \
    XDG_DATA_HOME=$work/home/.local/share XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
find "$root" -printf '%P %y %s %T@\n' | sort >"$work/root-before"

expected_models=$'DoCoMo SH505i\nDoCoMo P505i\nDoCoMo SO505i\nDoCoMo D505i\nDoCoMo N505i\nDoCoMo F505i'
for cli in "$root/usr/lib/cellvane/cellvane-cli" "$root/usr/bin/cellvane-cli"; do
    models=$("$cli" models | cut -f2)
    [ "$(sort <<<"$models")" = "$(sort <<<"$expected_models")" ] \
        || fail "$cli models listed: $models"
done

# PC files made from a copy of the sample card, as a user's documents.
cp -r "$here/scripts/screenshots/sample-card" "$work/card"
mkdir "$work/docs"
cli=$root/usr/bin/cellvane-cli
"$cli" --model sh505i load address "$work/card" -o "$work/docs/book.apc" >/dev/null
"$cli" --model sh505i load mail "$work/card" -o "$work/docs/inbox.mpc" >/dev/null

# The file types as the desktop sees them: by name, by content alone, and a mail file apart from
# the audio files that share its extension.
cp "$work/docs/book.apc" "$work/docs/book-without-extension"
for pair in book.apc:application/x-cellvane-address \
    book-without-extension:application/x-cellvane-address \
    inbox.mpc:application/x-cellvane-mail; do
    type=$(XDG_DATA_DIRS="$work/share:/usr/share" GIO_USE_VFS=local \
        gio info -a standard::content-type "$work/docs/${pair%%:*}" \
        | sed -n 's/^ *standard::content-type: //p')
    [ "$type" = "${pair#*:}" ] || fail "${pair%%:*} has the type '$type', not ${pair#*:}"
done

# The editor opens a document given on its command line. Once started, it notes the first start
# in the user's settings and opens its help index, which the offscreen platform refuses with the
# page's address in the log.
settings=$XDG_CONFIG_HOME/Oakmere/Cellvane.conf
help_page=file://$root/usr/lib/cellvane/help/index.html
"$root/usr/bin/cellvane" "$work/docs/book.apc" >"$work/editor.log" 2>&1 &
editor_pid=$!
for _ in $(seq 60); do
    grep -qs '^FirstBoot=0' "$settings" && grep -qF "$help_page" "$work/editor.log" && break
    kill -0 "$editor_pid" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$editor_pid" 2>/dev/null || {
    cat "$work/editor.log" >&2
    fail "the editor ended during start-up"
}
grep -qs '^FirstBoot=0' "$settings" || fail "the editor did not finish starting (no $settings)"
grep -qF "$help_page" "$work/editor.log" || {
    cat "$work/editor.log" >&2
    fail "the editor did not open its help index $help_page"
}
# A second copy hands its document to the running one through the user's runtime folder and
# ends.
timeout 30 "$root/usr/bin/cellvane" "$work/docs/book.apc" >>"$work/editor.log" 2>&1 \
    || fail "the second copy did not hand over its document"
[ -S "$XDG_RUNTIME_DIR/Cellvane.documents.$(id -u)" ] \
    || fail "no document channel in the user's runtime folder"
kill -0 "$editor_pid" 2>/dev/null || fail "the editor ended after taking a document"
kill "$editor_pid"
status=0
wait "$editor_pid" || status=$?
editor_pid=
[ "$status" -eq 143 ] || fail "the editor ended with status $status, not by the stop signal"

find "$root" -printf '%P %y %s %T@\n' | sort >"$work/root-after"
diff -u "$work/root-before" "$work/root-after" || fail "the programs wrote below the install root"
echo "check_package: all checks passed"
