#!/usr/bin/env bash
# Starts Vantor on a private X server with a game folder already chosen, checks its window, presses Esc and checks
# that the program ends by itself with status 0.
#   window_test.sh VANTOR_BINARY
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init
e2e_start_xvfb
mkdir -p "$E2E_TMP/half-life"
e2e_write_settings "$E2E_TMP/half-life"
e2e_start_app "${1:?usage: window_test.sh VANTOR_BINARY}"

e2e_find_window '^Vantor, by '
title=$(xdotool getwindowname "$E2E_WINDOW")
eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW" | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
[ "${WIDTH}x${HEIGHT}" = 489x337 ] || e2e_fail "window is ${WIDTH}x${HEIGHT}, not 489x337"
e2e_log "window $E2E_WINDOW '$title' ${WIDTH}x${HEIGHT}"

e2e_press_key "$E2E_WINDOW" Escape
e2e_wait_app_exit 10 || e2e_fail "still running 10 s after Esc"
[ "$E2E_APP_STATUS" -eq 0 ] || e2e_fail "ended with status $E2E_APP_STATUS after Esc, not 0"
e2e_log "ended with status 0 after Esc"
