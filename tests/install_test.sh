#!/usr/bin/env bash
# Installs the build into a temporary prefix, as a packager would, and checks what lands there: the program, and a
# desktop entry, an AppStream component and an icon that validate and that name each other by one application id.
#   tests/install_test.sh BUILD_DIR APP_ID
# Exits 77 (skipped) when desktop-file-validate or appstreamcli is missing; scripts/ensure-deps.sh installs both.
set -euo pipefail

build=$1
id=$2
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/ensure-deps.sh installs it)"; exit 77; }
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
icon=$prefix/share/icons/hicolor/64x64/apps/$id.png
[ -x "$prefix/bin/vantor" ] || fail "$prefix/bin/vantor is missing or not executable"
for f in "$desktop" "$metainfo" "$icon"; do
    [ -s "$f" ] || { echo "FAIL: $f is missing or empty"; exit 1; }
done

# The hicolor theme files an icon by its real size: a 64x64 folder must hold a 64 x 64 PNG (signature, then IHDR).
header=$(od -An -tu1 -N24 "$icon" | tr -s ' \n' ' ')
[ "$header" = " 137 80 78 71 13 10 26 10 0 0 0 13 73 72 68 82 0 0 0 64 0 0 0 64 " ] || fail "$icon is not a 64x64 PNG"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
grep -qx "Exec=vantor" "$desktop" || fail "the desktop entry does not start vantor"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
for n in 1 2 3; do
    grep -qx "Name=Run with Slot $n" "$desktop" && grep -qx "Exec=vantor --run --slot $n" "$desktop" ||
        fail "no desktop action \"Run with Slot $n\" that runs slot $n"
done
grep -q "<id>$id</id>" "$metainfo" || fail "the AppStream id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream component does not launch $id.desktop"
# The whole tree, as a software centre reads it: the component, its desktop entry and its icon together.
appstreamcli validate-tree --pedantic --no-net "$prefix" || fail "appstreamcli rejects the installed tree"

[ $failures -eq 0 ] || exit 1
echo "PASS"
