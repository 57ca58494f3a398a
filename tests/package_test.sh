#!/usr/bin/env bash
# Builds the Debian package from a build folder, as make deb does, and checks it without installing it: its file
# name and control fields, and that it holds the program, the desktop entry and AppStream component (valid, and naming
# each other by one id), the icons at their sizes, the manual page and the documentation.
#   tests/package_test.sh BUILD_DIR APP_ID
# Exits 77 (skipped) when a packaging tool is missing; scripts/ensure-deps.sh installs them.
set -euo pipefail
build=$1 id=$2
for tool in cpack file dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/ensure-deps.sh)"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }

cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1 || fail "cpack: $(cat "$out/cpack.log")"
deb=$out/vantor_1.2_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$out")"
for field in "Package: vantor" "Version: 1.2" "Section: games" "Architecture: $(dpkg --print-architecture)"; do
    dpkg-deb -f "$deb" "${field%%:*}" | grep -qxF "${field#*: }" || fail "control field $field: $(dpkg-deb -f "$deb")"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends names no Qt: $(dpkg-deb -f "$deb" Depends)"

dpkg-deb -x "$deb" "$out/root"
share=$out/root/usr/share
for file in usr/bin/vantor usr/share/man/man1/vantor.1.gz usr/share/doc/vantor/copyright usr/share/doc/vantor/changelog.gz \
    "usr/share/icons/hicolor/scalable/apps/$id.svg"; do
    [ -s "$out/root/$file" ] || fail "the package holds no /$file"
done
# The hicolor theme files an icon by its real size.
for size in 48 64 128 256; do
    file -b "$share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "^PNG image data, $size x $size," ||
        fail "the ${size}x$size icon is not a PNG of $size pixels square"
done
zcat "$share/man/man1/vantor.1.gz" | grep -q '^\.SH EXIT STATUS' || fail "the manual page gives no exit status"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$share/doc/vantor/copyright" ||
    fail "the copyright file is not in the machine-readable format"

desktop=$share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
grep -qx "StartupWMClass=vantor" "$desktop" || fail "the desktop entry does not name the window's class"
for n in 1 2 3; do
    grep -qx "Exec=vantor --run --notify --slot $n" "$desktop" || fail "no action that runs slot $n and says why not"
done
grep -qx "Exec=vantor --check --notify" "$desktop" || fail "no action that checks the setup"
appstreamcli validate-tree --pedantic --no-net "$out/root" || fail "appstreamcli rejects the installed tree"
echo "PASS: $(basename "$deb")"
