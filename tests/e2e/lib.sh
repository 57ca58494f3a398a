# Helpers for driving the real Vantor binary on a private X server; source this file from bash. Nothing here touches
# the user's home: the program's XDG folders lie in a temporary folder, which the exit trap removes after ending
# what was started.

E2E_TMP="" E2E_XVFB_PID="" E2E_APP_PID="" E2E_APP_STATUS="" E2E_WINDOW=""

# libdbus keeps buffers for the life of the process, which LeakSanitizer reports at exit in AddressSanitizer builds.
# The suppressions name only system libraries, so a leak of ours still fails.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# Background commands get SIGTERM when this shell dies, even by SIGKILL (a test timeout).
E2E_GUARD=()
command -v setpriv >/dev/null && E2E_GUARD=(setpriv --pdeathsig TERM --)

e2e_log() { echo "e2e: $*" >&2; }

e2e_fail() { echo "e2e: FAIL: $*" >&2 && exit 1; }

e2e_require()
{
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is not installed (run scripts/ensure-deps.sh)"
    done
}

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

e2e_start_xvfb()
{
    local display=""
    e2e_require Xvfb
    # Xvfb picks a free display itself and writes its number to descriptor 3 once it accepts clients.
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

# Sets E2E_WINDOW to the first visible window whose title matches REGEX (30 s at most: an AddressSanitizer build
# starts slowly).
e2e_find_window()
{
    e2e_require xdotool
    E2E_WINDOW=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1) || true
    [ -n "$E2E_WINDOW" ] || kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "the program ended before its window appeared"
    [ -n "$E2E_WINDOW" ] || e2e_fail "no window titled /$1/ within 30 s"
}

# Focuses WINDOW and presses the keys. With no window manager the focus must be given by hand, and key --window
# would send synthetic events that never reach the focused widget.
e2e_press_key()
{
    local window=$1
    shift
    timeout 10 xdotool windowfocus --sync "$window" && timeout 10 xdotool key "$@" || e2e_fail "could not press $*"
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
