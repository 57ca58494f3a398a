#!/usr/bin/env bash
# Takes pictures of Vantor's window as a user who has chosen a game folder sees it after start-up, and of its
# Comic page (Help, then "Feeling depressed?").
#   scripts/screenshot.sh BINARY MAIN.png COMIC.png
# Runs on a private Xvfb with a temporary settings folder; the user's own settings and display are never touched.
# In the language of LANGUAGE when set, else English.
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: $0 BINARY MAIN.png COMIC.png" >&2
    exit 2
fi
binary=$(realpath "$1")
out=$(realpath -m "$2")
comic=$(realpath -m "$3")

if ! command -v import >/dev/null; then
    echo "Installing imagemagick for its import command"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick
fi

tmp=$(mktemp -d)
cleanup() { kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$tmp"; }
trap cleanup EXIT
mkdir -p "$tmp/config" "$tmp/home" && mkdir -m 700 "$tmp/runtime"
# A user who has chosen a game folder: no folder dialog appears.
printf '[other]\nhldir=/home/gordon/games/Half-Life\n' >"$tmp/config/vantor_tovrik.ini"

# Xvfb picks a free display itself and writes its number to descriptor 3 once it accepts clients.
mkfifo "$tmp/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/displayfd" 2>"$tmp/xvfb.log" &
xvfb=$!
read -r -t 20 display <"$tmp/displayfd" || { cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=":$display"
env LANGUAGE="${LANGUAGE:-en}" HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" \
    QT_QPA_PLATFORM=xcb "$binary" &
app=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --class vantor | head -n 1)
[ -n "$window" ] || { echo "no Vantor window within 30 s" >&2; exit 1; }
# Mapped is not yet painted, and X sends no event for the last paint: give the window a moment.
sleep 1
shoot()
{
    mkdir -p "$(dirname "$1")"
    import -window "$window" "$tmp/shot.png"
    mv "$tmp/shot.png" "$1"
    echo "Wrote $1 ($(identify -format '%wx%h' "$1"))"
}
shoot "$out"
# "Help" in the header strip, then "Feeling depressed?" on the Help page, by their places in the window.
xdotool mousemove --window "$window" 460 80 click 1
sleep 0.3
xdotool mousemove --window "$window" 80 248 click 1
xdotool mousemove --window "$window" 300 330
sleep 1
shoot "$comic"
