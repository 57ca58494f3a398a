#!/usr/bin/env bash
# Starts Vantor on a private X server with no settings at all: the folder dialog must come up before the main
# window; Esc cancels it, after which the main window appears and the store says that no folder was chosen.
#   firststart_test.sh VANTOR_BINARY
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_init
e2e_start_xvfb
e2e_start_app "${1:?usage: firststart_test.sh VANTOR_BINARY}"

e2e_find_window '^Please select your .Half-Life. directory:$'
if xdotool search --onlyvisible --name '^Vantor, by ' >/dev/null; then
    e2e_fail "the main window is up before the folder dialog was answered"
fi
e2e_press_key "$E2E_WINDOW" Escape
e2e_find_window '^Vantor, by '
grep -qx 'hldir=none' "$E2E_TMP/config/vantor_tovrik.ini" || e2e_fail "the store does not hold hldir=none"
e2e_press_key "$E2E_WINDOW" Escape
e2e_wait_app_exit 10 || e2e_fail "still running 10 s after Esc"
e2e_log "the folder dialog came first; cancelled, it left hldir=none in the store"
