#!/usr/bin/env bash
# What a screen reader is told by the real program: on a private X server, session bus and accessibility bus, a
# listener (screenreader.py) drives the window through the accessibility layer and the keyboard, as a screen reader's
# user does, and hears each message that Vantor shows for a moment.
# Usage: screenreader_test.sh VANTOR_BINARY
set -euo pipefail
binary=$(realpath "${1:?usage: screenreader_test.sh VANTOR_BINARY}")
here=$(dirname "$(realpath "$0")")
tmp=$(mktemp -d "${TMPDIR:-/tmp}/vantor-sr.XXXXXX")
pids=()
# Everything started ends, the last first, whatever has ended already; the buses end with SIGTERM, which has them
# remove their sockets.
trap 'set +e; for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill -TERM ${pids[i]}; wait ${pids[i]}; done 2>/dev/null
      rm -rf "$tmp"' EXIT
trap 'exit 143' INT TERM HUP
fail() { echo "screenreader: FAIL: $*" >&2 && exit 1; }
for tool in Xvfb xdotool dbus-daemon /usr/libexec/at-spi-bus-launcher; do
    command -v $tool >/dev/null || fail "$tool is not installed (scripts/ensure-deps.sh)"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is not installed (scripts/ensure-deps.sh)"

# A game folder to write CFG files into, no game to start, and Steam's launch options for Half-Life.
mkdir -p "$tmp/config" "$tmp/hl/valve" "$tmp/bin" "$tmp/home/.steam/steam/config" "$tmp/home/.steam/steam/userdata/1/config"
mkdir -m 700 "$tmp/runtime"
printf '[other]\nhldir=%s\n' "$tmp/hl" >"$tmp/config/vantor_tovrik.ini"
echo '"users" { "76561197960265729" { "MostRecent" "1" } }' >"$tmp/home/.steam/steam/config/loginusers.vdf"
echo '"UserLocalConfigStore" { "Software" { "Valve" { "Steam" { "apps" { "70" { "LaunchOptions" "-dev +map c2a5" } } } } } }' \
    >"$tmp/home/.steam/steam/userdata/1/config/localconfig.vdf"

# The server is not to reset as its last client leaves, or a program that connects meanwhile finds none.
mkfifo "$tmp/displayfd"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/displayfd" 2>"$tmp/xvfb.log" &
pids+=($!)
read -r -t 20 display <"$tmp/displayfd" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
dbus-daemon --session --nofork --address="unix:dir=$tmp" --print-address=4 4>"$tmp/address" 2>/dev/null &
pids+=($!)
timeout 10 sh -c 'until [ -s "$1" ]; do sleep 0.05; done' - "$tmp/address" || fail "no session bus"
export DISPLAY=":$display" DBUS_SESSION_BUS_ADDRESS=$(head -1 "$tmp/address") XDG_RUNTIME_DIR="$tmp/runtime"
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
pids+=($!)
env PATH="$tmp/bin" LANGUAGE=en HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LSAN_OPTIONS="suppressions=$here/../lsan.supp:print_suppressions=0" \
    "$binary" >"$tmp/vantor.log" 2>&1 &
pids+=($!)
timeout 120 /usr/bin/python3 "$here/screenreader.py" "$tmp" || fail "$(cat "$tmp/vantor.log" "$tmp/xvfb.log")"
