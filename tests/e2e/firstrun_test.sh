#!/usr/bin/env bash
# The real program on a private X server as a new user meets it, with one of Qt's options (-reverse): the folder dialog
# comes before the main window and takes the folder it opens in (the home folder, which holds the game here); the
# window shows at its fixed size, and Enter starts the stand-in game in Vantor's folder and ends Vantor with status 0.
# Then a menu entry's Run in a session without a notification service: a small window says why it failed. Last, a
# desktop with a large font.
# Usage: firstrun_test.sh VANTOR_BINARY
set -euo pipefail
binary=$(realpath "${1:?usage: firstrun_test.sh VANTOR_BINARY}")
tmp=$(mktemp -d "${TMPDIR:-/tmp}/vantor-e2e.XXXXXX")
xvfb="" app=""
trap 'kill $app $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$tmp"' EXIT
trap 'exit 143' INT TERM HUP
fail() { echo "e2e: FAIL: $*" >&2 && exit 1; }
for tool in Xvfb xdotool xprop; do command -v $tool >/dev/null || fail "$tool is not installed (scripts/ensure-deps.sh)"; done

mkdir -p "$tmp/config" "$tmp/Half Life/valve" && mkdir -m 700 "$tmp/runtime"
game="$tmp/Half Life/hl.exe"
printf '%s\n' '#!/bin/sh' '{ pwd; for a in "$@"; do printf "%s\n" "$a"; done; } >"$0.part"' 'mv "$0.part" "$0.record"' \
    >"$game"
chmod +x "$game"

# Xvfb picks a free display itself and writes its number to descriptor 3 once it accepts clients.
mkfifo "$tmp/displayfd"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/displayfd" 2>"$tmp/xvfb.log" &
xvfb=$!
read -r -t 20 display <"$tmp/displayfd" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
export DISPLAY=":$display" LSAN_OPTIONS="suppressions=$(dirname "$0")/../lsan.supp:print_suppressions=0"
env LANGUAGE=en HOME="$tmp/Half Life" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" QT_QPA_PLATFORM=xcb \
    QT_QPA_PLATFORMTHEME= "$binary" -reverse &
app=$!

# The first visible window whose title matches, within 30 s (an ASan build starts slowly).
window() { timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
keys() { timeout 10 xdotool windowfocus --sync "$1" && timeout 10 xdotool "${@:2}" || fail "could not type into $1"; }
# Whether WINDOW's property NAME comes to match PATTERN within 5 s: Qt may set it a moment after the window maps.
has() { timeout 5 sh -c 'until xprop -id "$1" "$2" | grep -qF "$3"; do sleep 0.1; done' - "$@"; }

dialog=$(window '^Please select your .Half-Life. directory:$') || fail "no folder dialog"
xdotool search --onlyvisible --name '^Vantor, by ' >/dev/null && fail "the main window is up before the folder dialog"
keys "$dialog" key Return
main=$(window '^Vantor, by ') || fail "no main window after the folder was chosen"
eval "$(xdotool getwindowgeometry --shell "$main" | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
[ "${WIDTH}x${HEIGHT}" = 489x337 ] || fail "the window is ${WIDTH}x${HEIGHT}, not 489x337"
# The desktop ties the window to the menu's entry (StartupWMClass=vantor) and shows its icon.
has "$main" WM_CLASS '"vantor", "vantor"' || fail "the window's class is $(xprop -id "$main" WM_CLASS)"
has "$main" _NET_WM_ICON 'Icon (' || fail "the window carries no icon"
keys "$main" key Return

timeout 10 tail --pid=$app -f /dev/null || fail "still running 10 s after Enter"
status=0 && wait $app || status=$?
app=""
[ $status -eq 0 ] || fail "ended with status $status after Enter"
timeout 5 sh -c 'until [ -f "$1" ]; do sleep 0.1; done' - "$game.record" || fail "the game was not started"
expected=$(printf '%s\n' "$(dirname "$binary")" -console -numericping -toconsole +exec vantortemp.cfg)
[ "$(cat "$game.record")" = "$expected" ] || fail "the game was started as"$'\n'"$(cat "$game.record")"
grep -qxF "hldir=$tmp/Half Life" "$tmp/config/vantor_tovrik.ini" || fail "the chosen folder was not stored"

rm "$tmp/config/vantor_tovrik.ini"
env LANGUAGE=en HOME="$tmp/Half Life" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" QT_QPA_PLATFORM=xcb \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "$binary" --run --notify &
app=$!
notice=$(window '^Vantor$') || fail "no window said why the game was not started"
keys "$notice" key Return
timeout 10 tail --pid=$app -f /dev/null || fail "still running 10 s after the notice was closed"
status=0 && wait $app || status=$?
app=""
[ $status -eq 3 ] || fail "ended with status $status, not 3 (no Game directory), after the notice"
# A desktop whose font is a step larger than the window's (KDE's settings: 10.5 points, 14 pixels, where the window's are
# 11) has the whole window drawn a quarter larger, as QT_SCALE_FACTOR=1.25 draws it; the game gets no such variable.
mkdir -p "$tmp/kde" && printf '[General]\nfont=Sans Serif,10.5,-1,5,50,0,0,0,0,0\n' >"$tmp/kde/kdeglobals"
printf '[other]\nhldir=%s\n' "$tmp/Half Life" >"$tmp/kde/vantor_tovrik.ini"
printf '%s\n' '#!/bin/sh' 'echo "${QT_SCALE_FACTOR-none}" >"$0.record"' >"$game" && rm "$game.record"
env LANGUAGE=en HOME="$tmp/Half Life" XDG_CONFIG_HOME="$tmp/kde" XDG_RUNTIME_DIR="$tmp/runtime" QT_QPA_PLATFORM=xcb \
    QT_QPA_PLATFORMTHEME= XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent \
    "$binary" 2>/dev/null &
app=$!
main=$(window '^Vantor, by ') || fail "no main window with the desktop's larger font"
eval "$(xdotool getwindowgeometry --shell "$main" | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
[ "${WIDTH}x${HEIGHT}" = 611x421 ] || fail "with a font a step larger, the window is ${WIDTH}x${HEIGHT}, not 611x421"
keys "$main" key Return
timeout 10 tail --pid=$app -f /dev/null || fail "still running 10 s after Enter, drawn large"
app=""
timeout 5 sh -c 'until [ -f "$1" ]; do sleep 0.1; done' - "$game.record" || fail "the game was not started, drawn large"
[ "$(cat "$game.record")" = none ] || fail "the game was given QT_SCALE_FACTOR=$(cat "$game.record")"

echo "e2e: the folder dialog came first; Enter started the game and ended Vantor with status 0; a notice said why not;"\
    "a desktop font a step larger drew the window a quarter larger"
