# Helpers for driving the real Vantor binary on a private X server; source from bash. The program's XDG folders lie
# in a temporary folder, which the exit trap removes after ending what was started: nothing touches the real home.
E2E_TMP="" E2E_XVFB_PID="" E2E_APP_PID="" E2E_APP_STATUS="" E2E_WINDOW=""

# libdbus keeps buffers for the life of the process; the suppressions name only system libraries.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# Background commands get SIGTERM when this shell dies, even by SIGKILL (a test timeout).
E2E_GUARD=()
command -v setpriv >/dev/null && E2E_GUARD=(setpriv --pdeathsig TERM --)

e2e_log() { echo "e2e: $*" >&2; }
e2e_fail() { echo "e2e: FAIL: $*" >&2 && exit 1; }
e2e_require() { command -v "$1" >/dev/null || e2e_fail "$1 is not installed (run scripts/ensure-deps.sh)"; }

e2e_cleanup()
{
    local status=$? pid
    trap - EXIT
    for pid in $E2E_APP_PID $E2E_XVFB_PID; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
    rm -rf "$E2E_TMP"
    exit "$status"
}

e2e_init()
{
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/vantor-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 143' INT TERM HUP
    mkdir -p "$E2E_TMP/config" "$E2E_TMP/cache" "$E2E_TMP/home"
    mkdir -m 700 "$E2E_TMP/runtime"
}

# Xvfb picks a free display itself and writes its number to descriptor 3 once it accepts clients.
e2e_start_xvfb()
{
    local display=""
    e2e_require Xvfb
    mkfifo "$E2E_TMP/displayfd"
    "${E2E_GUARD[@]}" Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$E2E_TMP/displayfd" 2>"$E2E_TMP/xvfb.log" &
    E2E_XVFB_PID=$!
    read -r -t 20 display <"$E2E_TMP/displayfd" || true
    [ -n "$display" ] || e2e_fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
    export DISPLAY=":$display"
}

# A settings file naming the game folder, as a user who has chosen one has it: no folder dialog appears.
e2e_write_settings() { printf '[other]\nhldir=%s\n' "$1" >"$E2E_TMP/config/vantor_tovrik.ini"; }

e2e_start_app()
{
    "${E2E_GUARD[@]}" env HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/config" XDG_RUNTIME_DIR="$E2E_TMP/runtime" \
        XDG_CACHE_HOME="$E2E_TMP/cache" QT_QPA_PLATFORM=xcb "$@" &
    E2E_APP_PID=$!
}

# Sets E2E_WINDOW to the first visible window whose title matches REGEX (30 s at most: an ASan build starts slowly).
e2e_find_window()
{
    e2e_require xdotool
    E2E_WINDOW=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1) || true
    [ -n "$E2E_WINDOW" ] || kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "the program ended before its window appeared"
    [ -n "$E2E_WINDOW" ] || e2e_fail "no window titled /$1/ within 30 s"
}

# Focuses WINDOW and presses KEYS: with no window manager the focus is given by hand (key --window would send
# synthetic events that never reach the focused widget).
e2e_press_key()
{
    timeout 10 xdotool windowfocus --sync "$1" && timeout 10 xdotool key "${@:2}" || e2e_fail "could not press ${*:2}"
}

# Waits up to SECONDS for the program to end by itself, without spinning; its status goes to E2E_APP_STATUS.
# Returns 1 when the time ran out.
e2e_wait_app_exit()
{
    local timer ended=""
    sleep "$1" &
    timer=$!
    wait -n -p ended "$E2E_APP_PID" "$timer" && E2E_APP_STATUS=0 || E2E_APP_STATUS=$?
    kill "$timer" 2>/dev/null || true
    [ "$ended" = "$E2E_APP_PID" ] || return 1
    E2E_APP_PID=""
}

# A stand-in game at PATH that records the folder it runs in and its arguments, one a line, in PATH.record.
e2e_fake_game()
{
    printf '%s\n' '#!/bin/sh' '{ pwd; for a in "$@"; do printf "%s\n" "$a"; done; } >"$0.part"' \
        'mv "$0.part" "$0.record"' >"$1"
    chmod +x "$1"
}

# Checks that the stand-in game at PATH was started in Vantor's folder (that of BINARY) with ARGS.
e2e_expect_game()
{
    local game=$1 binary=$2 expected
    shift 2
    timeout 5 sh -c 'until [ -f "$1" ]; do sleep 0.1; done' - "$game.record" || e2e_fail "the game was not started"
    expected=$(printf '%s\n' "$(dirname "$binary")" "$@")
    [ "$(cat "$game.record")" = "$expected" ] ||
        e2e_fail "the game was started as"$'\n'"$(cat "$game.record")"$'\n'"not as"$'\n'"$expected"
}
