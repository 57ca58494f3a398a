#!/usr/bin/env bash
# Vantor's terminal options with no display at all: --version, --print (which writes nothing), --run starting a
# stand-in game, and each reason --run or --slot gives for stopping, with its exit status.
#   terminal_test.sh VANTOR_BINARY
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

binary=$(realpath "${1:?usage: terminal_test.sh VANTOR_BINARY}")
e2e_init
game="$E2E_TMP/Half Life"
store="$E2E_TMP/config/vantor_tovrik.ini"

# Runs Vantor in the foreground, with the xcb platform asked for but no display to reach.
vantor()
{
    env -u DISPLAY -u WAYLAND_DISPLAY HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/config" \
        XDG_RUNTIME_DIR="$E2E_TMP/runtime" XDG_CACHE_HOME="$E2E_TMP/cache" QT_QPA_PLATFORM=xcb \
        timeout 30 "$binary" "$@"
}

# A fresh game folder named by the store, with a valve folder (unless "novalve") and a stand-in hl.exe (unless
# "nogame").
make_game()
{
    rm -rf "$game" "$store"
    mkdir -p "$game"
    [[ " $* " == *" novalve "* ]] || mkdir "$game/valve"
    [[ " $* " == *" nogame "* ]] || e2e_fake_game "$game/hl.exe"
    e2e_write_settings "$game"
}

# Checks that ARGS end with STATUS and say MESSAGE on standard error.
expect_failure()
{
    local status=$1 message=$2 got=0
    shift 2
    vantor "$@" 2>"$E2E_TMP/stderr" >/dev/null || got=$?
    [ "$got" -eq "$status" ] || e2e_fail "$* ended with status $got, not $status: $(cat "$E2E_TMP/stderr")"
    grep -qxF "vantor: $message" "$E2E_TMP/stderr" || e2e_fail "$* said '$(cat "$E2E_TMP/stderr")', not '$message'"
}

[ "$(vantor --version)" = "Vantor 1.2" ] || e2e_fail "--version printed '$(vantor --version)'"

make_game
vantor --print >"$E2E_TMP/printed" || e2e_fail "--print ended with status $?"
mapfile -t printed <"$E2E_TMP/printed"
[ "${printed[0]}" = "hl.exe -console -numericping -toconsole +exec vantortemp.cfg" ] ||
    e2e_fail "--print gave the command line '${printed[0]}'"
[ "${printed[1]}" = $'// Temporary CFG file created by Vantor,\r' ] && [ "${printed[6]}" = $'sv_cheats 1\r' ] ||
    e2e_fail "--print gave a CFG file beginning"$'\n'"$(sed -n 2,7p "$E2E_TMP/printed")"
[ ! -e "$game/valve/vantortemp.cfg" ] || e2e_fail "--print wrote the CFG file"
[ "$(cat "$store")" = "[other]"$'\n'"hldir=$game" ] || e2e_fail "--print changed the store: $(cat "$store")"

vantor --run || e2e_fail "--run ended with status $?, not 0"
e2e_expect_game "$game/hl.exe" "$binary" -console -numericping -toconsole +exec vantortemp.cfg
head -n 1 "$game/valve/vantortemp.cfg" | grep -qx $'// Temporary CFG file created by Vantor,\r' ||
    e2e_fail "--run did not write valve/vantortemp.cfg"

make_game
printf '[General]\ndef=1\n[one]\nscrlskill=1\nchkdev=1\ncustomcmd=\n' >>"$store"
cp "$store" "$E2E_TMP/store.before"
[ "$(vantor --print | head -n 1)" = "hl.exe -console -dev +exec vantortemp.cfg" ] ||
    e2e_fail "--print did not use the Default slot: $(vantor --print | head -n 1)"
cmp -s "$store" "$E2E_TMP/store.before" || e2e_fail "--print with a Default slot changed the store: $(cat "$store")"
vantor --run --slot 1 || e2e_fail "--run --slot 1 ended with status $?, not 0"
e2e_expect_game "$game/hl.exe" "$binary" -console -dev +exec vantortemp.cfg

rm -f "$store"
expect_failure 3 "no Game directory has been chosen; choose one in Vantor's window" --run
make_game novalve
expect_failure 4 "could not write the CFG file $game/valve/vantortemp.cfg" --run
make_game nogame
expect_failure 5 "could not start $game/hl.exe" --run
for args in "--run --slot 2" "--print --slot 2" "--slot 2"; do
    # shellcheck disable=SC2086 # the options are split on purpose
    expect_failure 2 "Slot 2 is not saved" $args
done
expect_failure 1 "--slot takes 1, 2 or 3, not '4'" --slot 4
e2e_log "each terminal option did its work or ended with its own status and said why"
