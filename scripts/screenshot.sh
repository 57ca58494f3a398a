#!/usr/bin/env bash
# Takes a picture of Vantor's window as a user who has chosen a game folder sees it after start-up.
#   scripts/screenshot.sh BINARY OUT.png
# Runs on a private Xvfb with a temporary settings folder; the user's own settings and display are never touched.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 BINARY OUT.png" >&2
    exit 2
fi
binary=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../tests/e2e/lib.sh"

if ! command -v import >/dev/null; then
    echo "Installing imagemagick for its import command"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick
fi

e2e_init
e2e_start_xvfb
e2e_write_settings "/home/gordon/games/Half-Life"
e2e_start_app "$binary"
e2e_find_window '^Vantor, by '
# Mapped is not yet painted, and X sends no event for the last paint: give the window a moment.
sleep 1
mkdir -p "$(dirname "$out")"
import -window "$E2E_WINDOW" "$E2E_TMP/shot.png"
mv "$E2E_TMP/shot.png" "$out"
echo "Wrote $out ($(identify -format '%wx%h' "$out"))"
