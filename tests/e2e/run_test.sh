#!/usr/bin/env bash
# Starts Vantor on a private X server with a game folder holding a stand-in hl.exe; checks the window's size, presses
# Enter, and checks that the game started as it should and Vantor ended by itself with status 0 (Close on Run is on).
#   run_test.sh VANTOR_BINARY
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

binary=$(realpath "${1:?usage: run_test.sh VANTOR_BINARY}")
e2e_init
e2e_start_xvfb
game="$E2E_TMP/Half Life"
mkdir -p "$game/valve"
e2e_fake_game "$game/hl.exe"
e2e_write_settings "$game"
e2e_start_app "$binary"

e2e_find_window '^Vantor, by '
eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW" | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
[ "${WIDTH}x${HEIGHT}" = 489x337 ] || e2e_fail "window is ${WIDTH}x${HEIGHT}, not 489x337"
e2e_press_key "$E2E_WINDOW" Return
e2e_wait_app_exit 10 || e2e_fail "still running 10 s after Enter"
[ "$E2E_APP_STATUS" -eq 0 ] || e2e_fail "ended with status $E2E_APP_STATUS after Enter, not 0"
e2e_expect_game "$game/hl.exe" "$binary" -console -numericping -toconsole +exec vantortemp.cfg
e2e_log "Enter started the game in $(dirname "$binary") and ended Vantor with status 0"
