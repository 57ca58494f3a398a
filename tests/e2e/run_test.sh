#!/usr/bin/env bash
# Starts Vantor on a private X server with a game folder whose hl.exe is a stand-in that records its folder and
# arguments, presses Enter, and checks that the CFG file is written, the game started as it should be, and Vantor
# ended by itself with status 0 (Close on Run is on at start).
#   run_test.sh VANTOR_BINARY
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

binary=$(realpath "${1:?usage: run_test.sh VANTOR_BINARY}")
e2e_require xdotool

e2e_init
e2e_start_xvfb
game="$E2E_TMP/Half Life"
mkdir -p "$game/valve"
cat >"$game/hl.exe" <<'SCRIPT'
#!/bin/sh
{ pwd; for a in "$@"; do printf '%s\n' "$a"; done; } >"$0.record.part"
mv "$0.record.part" "$0.record"
SCRIPT
chmod +x "$game/hl.exe"
e2e_write_settings "$game"
e2e_start_app "$binary"

e2e_find_window '^Vantor, by '
e2e_press_key "$E2E_WINDOW" Return
e2e_wait_app_exit 10 || e2e_fail "still running 10 s after Enter"
[ "$E2E_APP_STATUS" -eq 0 ] || e2e_fail "ended with status $E2E_APP_STATUS after Enter, not 0"

head -n 1 "$game/valve/vantortemp.cfg" | grep -qx $'// Temporary CFG file created by Vantor,\r' ||
    e2e_fail "valve/vantortemp.cfg was not written"
for _ in $(seq 50); do
    [ -f "$game/hl.exe.record" ] && break
    sleep 0.1
done
expected=$(printf '%s\n' "$(dirname "$binary")" -console -numericping -toconsole +exec vantortemp.cfg)
actual=$(cat "$game/hl.exe.record" 2>/dev/null) || e2e_fail "the game was not started"
[ "$actual" = "$expected" ] || e2e_fail "the game was started as"$'\n'"$actual"$'\n'"not as"$'\n'"$expected"
e2e_log "Enter wrote the CFG file, started the game in $(dirname "$binary") and ended Vantor"
