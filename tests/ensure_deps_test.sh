#!/usr/bin/env bash
# scripts/ensure-deps.sh as an ordinary user meets it, with stand-ins for the system's tools: through sudo, apt-get
# gets DEBIAN_FRONTEND (which sudo would drop); a user who may not use sudo, or has none, is told in one line the
# command to run once as root. Usage: ensure_deps_test.sh SOURCE_DIR
set -euo pipefail
script=$1/scripts/ensure-deps.sh
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "ensure-deps: FAIL: $*" >&2 && exit 1; }
mkdir "$tmp/bin"
ln -s "$(command -v grep)" "$tmp/bin/grep" # the only tool it needs besides the stand-ins: no real sudo or apt-get
stand_in() { printf '#!/bin/sh\n%s\n' "$2" >"$tmp/bin/$1" && chmod +x "$tmp/bin/$1"; }
stand_in id '[ "$1" = -un ] && echo player || echo 1000'
stand_in dpkg-query 'echo "unknown ok not-installed"'
stand_in sudo '[ "$1" = true ] && exit "${SUDO_REFUSES:-0}"; echo "$*" >>"'"$tmp"'/asked"'
PATH="$tmp/bin" /bin/bash "$script" test >/dev/null || fail "it did not install through sudo"
grep -c '^env DEBIAN_FRONTEND=noninteractive apt-get \(update\|install\) ' "$tmp/asked" | grep -qx 2 ||
    fail "sudo was asked: $(cat "$tmp/asked")"
told="ensure-deps.sh: player may not install packages; run this once as root: su -c 'scripts/ensure-deps.sh test'"
for case in refuses absent; do
    [ $case = absent ] && rm "$tmp/bin/sudo"
    said=$(SUDO_REFUSES=1 PATH="$tmp/bin" /bin/bash "$script" program 2>&1 >/dev/null) &&
        fail "sudo $case: it went on"
    [ "$said" = "$told" ] || fail "sudo $case: it said '$said'"
done
echo "ensure-deps: through sudo with its environment, and one line where sudo cannot"
