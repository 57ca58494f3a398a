#!/usr/bin/env bash
# Takes pictures of Vantor's window as a user who has chosen a game folder sees it after start-up, and of its
# Comic page (Help, then "Feeling depressed?").
#   scripts/screenshot.sh BINARY MAIN.png COMIC.png
# Runs on a private Xvfb with a temporary settings folder; the user's own settings and display are never touched.
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: $0 BINARY MAIN.png COMIC.png" >&2
    exit 2
fi
binary=$(realpath "$1")
out=$(realpath -m "$2")
comic=$(realpath -m "$3")
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
shoot()
{
    mkdir -p "$(dirname "$1")"
    import -window "$E2E_WINDOW" "$E2E_TMP/shot.png"
    mv "$E2E_TMP/shot.png" "$1"
    echo "Wrote $1 ($(identify -format '%wx%h' "$1"))"
}
shoot "$out"
# "Help" in the header strip, then "Feeling depressed?" on the Help page, by their places in the window.
xdotool mousemove --window "$E2E_WINDOW" 460 80 click 1
sleep 0.3
xdotool mousemove --window "$E2E_WINDOW" 80 248 click 1
xdotool mousemove --window "$E2E_WINDOW" 300 330
sleep 1
shoot "$comic"
