# Helpers for driving the real Vantor binary on a private X server. Source this file from bash, then:
#
#   e2e_init                       temporary folder, cleanup trap (kills what was started, removes the folder)
#   e2e_start_xvfb                 starts Xvfb on a free display and exports DISPLAY
#   e2e_write_settings HLDIR       writes a settings file naming HLDIR as the game folder
#   e2e_start_app BINARY [ARG...]  starts the program against the private settings folder
#   e2e_find_window REGEX          sets E2E_WINDOW to the visible top-level whose title matches
#   e2e_press_key WINDOW KEY...    focuses WINDOW and presses the keys, as a user would
#   e2e_wait_app_exit SECONDS      waits for the program to end by itself; status in E2E_APP_STATUS
#
# Nothing here touches the user's home: XDG_CONFIG_HOME, XDG_RUNTIME_DIR and XDG_CACHE_HOME (where fontconfig would
# write a cache of its own) point into the temporary folder.
# Waits block on processes (wait -n) or use xdotool's own timed retries; none of them spins.

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_TMP=""
E2E_XVFB_PID=""
E2E_APP_PID=""
E2E_APP_STATUS=""
E2E_WINDOW=""
E2E_CONFIG_HOME=""
E2E_RUNTIME_DIR=""

# libdbus keeps buffers for the life of the process and never frees them; LeakSanitizer reports them at exit in
# AddressSanitizer builds. The suppressions name only system libraries, so a leak of ours still fails.
export LSAN_OPTIONS="suppressions=$E2E_DIR/../lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

e2e_log() { echo "e2e: $*" >&2; }

e2e_fail()
{
    echo "e2e: FAIL: $*" >&2
    exit 1
}

e2e_require()
{
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is not installed (run scripts/ensure-deps.sh)"
    done
}

# Prefix for background commands: they get SIGTERM if this shell dies, even by SIGKILL (a test timeout). Redirect
# inside the background command itself, never on a function call, or the shell opens the file in the foreground.
E2E_ORPHAN_GUARD=()
command -v setpriv >/dev/null && E2E_ORPHAN_GUARD=(setpriv --pdeathsig TERM --)

# Kills and collects the given background processes, except ENDED (already collected by wait -n; waiting for it
# again would make bash complain that it has no record of it).
_e2e_collect()
{
    local ended=$1 pid
    shift
    for pid in "$@"; do
        [ "$pid" = "$ended" ] && continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

# Ends a background process: SIGTERM, up to five seconds to go, then SIGKILL.
_e2e_stop()
{
    local pid=$1 timer ended=""
    [ -n "$pid" ] || return 0
    kill -TERM "$pid" 2>/dev/null || true
    sleep 5 &
    timer=$!
    wait -n -p ended "$pid" "$timer" 2>/dev/null || true
    if [ "$ended" != "$pid" ]; then
        kill -KILL "$pid" 2>/dev/null || true
    fi
    _e2e_collect "$ended" "$timer" "$pid"
}

e2e_cleanup()
{
    local status=$?
    trap - EXIT INT TERM HUP
    _e2e_stop "$E2E_APP_PID"
    E2E_APP_PID=""
    _e2e_stop "$E2E_XVFB_PID"
    E2E_XVFB_PID=""
    if [ -n "$E2E_TMP" ]; then
        rm -rf "$E2E_TMP"
        E2E_TMP=""
    fi
    exit "$status"
}

e2e_init()
{
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/vantor-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
    E2E_CONFIG_HOME=$E2E_TMP/config
    E2E_RUNTIME_DIR=$E2E_TMP/runtime
    mkdir -p "$E2E_CONFIG_HOME" "$E2E_TMP/cache"
    mkdir -m 700 "$E2E_RUNTIME_DIR"
}

e2e_start_xvfb()
{
    e2e_require Xvfb
    # Xvfb picks a free display itself and writes its number to the given descriptor once it accepts clients.
    local fifo=$E2E_TMP/displayfd display
    mkfifo "$fifo"
    "${E2E_ORPHAN_GUARD[@]}" Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>"$E2E_TMP/xvfb.log" &
    E2E_XVFB_PID=$!
    if ! read -r -t 20 display <"$fifo" || [ -z "$display" ]; then
        cat "$E2E_TMP/xvfb.log" >&2 || true
        e2e_fail "Xvfb did not start"
    fi
    export DISPLAY=":$display"
    e2e_log "Xvfb on $DISPLAY (pid $E2E_XVFB_PID)"
}

# The settings file as a user who has already chosen the game folder has it, so no folder dialog appears.
e2e_write_settings()
{
    local hldir=$1
    printf '[other]\nhldir=%s\n' "$hldir" >"$E2E_CONFIG_HOME/vantor_tovrik.ini"
}

e2e_start_app()
{
    [ -x "$1" ] || e2e_fail "not an executable: $1"
    [ -n "${DISPLAY:-}" ] || e2e_fail "e2e_start_xvfb first"
    "${E2E_ORPHAN_GUARD[@]}" env XDG_CONFIG_HOME="$E2E_CONFIG_HOME" XDG_RUNTIME_DIR="$E2E_RUNTIME_DIR" \
        XDG_CACHE_HOME="$E2E_TMP/cache" QT_QPA_PLATFORM=xcb "$@" &
    E2E_APP_PID=$!
    E2E_APP_STATUS=""
    e2e_log "started $1 (pid $E2E_APP_PID)"
}

# Waits for the program to end or for the timer, whichever comes first. Returns 0 when the program ended (its exit
# status is then in E2E_APP_STATUS), 1 when the time ran out.
e2e_wait_app_exit()
{
    local seconds=$1 timer ended="" status
    [ -n "$E2E_APP_PID" ] || return 0
    sleep "$seconds" &
    timer=$!
    # wait -n returns the status of whichever ended first; -p names it.
    wait -n -p ended "$E2E_APP_PID" "$timer" && status=0 || status=$?
    if [ "${ended:-}" = "$E2E_APP_PID" ]; then
        E2E_APP_STATUS=$status
        E2E_APP_PID=""
        _e2e_collect "$ended" "$timer"
        return 0
    fi
    return 1
}

# Sets E2E_WINDOW to the first visible window whose title matches REGEX. Fails when the program ends first or nothing
# appears within SECONDS (default 30: an AddressSanitizer build starts slowly). Call it directly, not in $(...): a
# subshell cannot wait for the program.
e2e_find_window()
{
    local regex=$1 seconds=${2:-30} out=$E2E_TMP/search.out searcher timer ended="" status
    e2e_require xdotool
    : >"$out"
    xdotool search --sync --onlyvisible --name "$regex" >"$out" 2>/dev/null &
    searcher=$!
    sleep "$seconds" &
    timer=$!
    wait -n -p ended "$searcher" "$timer" ${E2E_APP_PID:+"$E2E_APP_PID"} && status=0 || status=$?
    _e2e_collect "${ended:-}" "$searcher" "$timer"
    if [ -n "$E2E_APP_PID" ] && [ "${ended:-}" = "$E2E_APP_PID" ]; then
        E2E_APP_STATUS=$status
        E2E_APP_PID=""
        e2e_fail "the program ended with status $status before a window titled /$regex/ appeared"
    fi
    [ "${ended:-}" = "$searcher" ] && [ -s "$out" ] || e2e_fail "no window titled /$regex/ within $seconds s"
    E2E_WINDOW=$(head -n 1 "$out")
}

# Gives WINDOW the keyboard focus (there is no window manager to do it) and presses the keys. Real key events go to
# the focused widget; xdotool key --window would send synthetic ones that Qt's focus handling never sees.
e2e_press_key()
{
    local window=$1
    shift
    timeout 10 xdotool windowfocus --sync "$window" || e2e_fail "could not focus window $window"
    timeout 10 xdotool key "$@" || e2e_fail "could not press $*"
}

# Prints "WIDTHxHEIGHT" of a window's client area.
e2e_window_size()
{
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
    echo "${WIDTH}x${HEIGHT}"
}
