#!/usr/bin/env bash
# The real memory-rhythms.scr under Wine: the run modes that show nothing end at once with exit
# code 0; the full-screen run covers the screen with a topmost window, paints it, ignores the
# system's own mouse move, and closes on a key press and on the third mouse event; the preview run
# places a disabled child over its parent and ends when the parent is closed. (Wine does not
# show the drawing of a child window whose parent belongs to another process, so the preview's
# pixels are not looked at.)
# Usage: run_saver_test.sh <memory-rhythms.scr> <window_probe.exe>
# Needs DISPLAY (an X server such as Xvfb) and WINEPREFIX, as scripts/test provides.
set -uo pipefail

saver=$1
probe=$2
if [[ -z "${DISPLAY:-}" || -z "${WINEPREFIX:-}" ]]; then
    echo "run_saver_test: DISPLAY and WINEPREFIX must be set (scripts/test sets both)" >&2
    exit 1
fi
export WINEDEBUG="${WINEDEBUG:--all}"
wine=${MR_WINE:-wine} # the Wine of the build's architecture

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }
now() { date +%s.%N; }
since() { awk -v start="$1" -v end="$(now)" 'BEGIN { printf "%.2f", end - start }'; }
saver_windows() { xdotool search --onlyvisible --class 'memory-rhythms.scr' 2>/dev/null; }
# The colour of one screen pixel as "red,green,blue", 0 to 255 each.
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | sed -n 's/^0,0: *(\([0-9,]*\)).*/\1/p'; }

# Waits up to $2 tenths of a second for process $1 to end; 0 when it did.
wait_for_end() {
    local pid=$1 tenths=$2
    for ((i = 0; i < tenths; i++)); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    ! kill -0 "$pid" 2>/dev/null
}

# Ends a saver that would not end by itself, so that the next case starts clean.
stop_saver() {
    kill "$1" 2>/dev/null
    wineserver -k >/dev/null 2>&1
    wait "$1" 2>/dev/null
}

# A run that must end on its own, quickly, without ever showing a window.
expect_quiet_exit() {
    local what=$1
    shift
    local start
    start=$(now)
    "$wine" "$saver" "$@" &
    local pid=$! shown=0
    for ((i = 0; i < 150; i++)); do
        kill -0 "$pid" 2>/dev/null || break
        [[ -n "$(saver_windows)" ]] && shown=1
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        stop_saver "$pid"
        fail "$what: still running after 15 s"
        return
    fi
    wait "$pid"
    local code=$? took
    took=$(since "$start")
    if ((code != 0)); then
        fail "$what: exit code $code"
    elif ((shown)); then
        fail "$what: a saver window was shown"
    else
        pass "$what: exit code 0 after ${took} s (Wine start-up included), no window"
    fi
}

# Starts a full-screen run and waits until its window is visible; sets saver_pid.
start_full_screen() {
    "$wine" "$saver" /s &
    saver_pid=$!
    for ((i = 0; i < 200; i++)); do
        [[ -n "$(saver_windows)" ]] && break
        sleep 0.1
    done
    # Let the first paint and the system's own mouse move on showing arrive.
    sleep 2
}

# Ends the run and checks that it ended within $2 s of the moment $1, with exit code 0.
expect_closed() {
    local what=$1 start=$2 limit=$3
    if ! wait_for_end "$saver_pid" 100; then
        stop_saver "$saver_pid"
        fail "$what: still running 10 s later"
        return
    fi
    wait "$saver_pid"
    local code=$? took
    took=$(since "$start")
    if ((code != 0)); then
        fail "$what: exit code $code"
    elif awk -v t="$took" -v l="$limit" 'BEGIN { exit !(t > l) }'; then
        fail "$what: closed only after ${took} s"
    else
        pass "$what: closed with exit code 0, ${took} s after the input"
    fi
}

expect_quiet_exit "/c" /c
expect_quiet_exit "/x" /x
expect_quiet_exit "/c:1234" /c:1234
expect_quiet_exit "/p with a handle that is no window" /p 999999
expect_quiet_exit "/p 0" /p 0
expect_quiet_exit "/a 1234 (the system's change-password call)" /a 1234

# Full screen: the window, its paint, then a key press.
before=$(pixel 5 5)
start_full_screen
after=$(pixel 5 5)
if [[ -n "$after" && "$after" != "$before" ]]; then
    pass "/s: the screen is painted (pixel 5,5 was $before, is $after)"
else
    fail "/s: pixel 5,5 still $before: nothing painted"
fi
report=$("$wine" "$probe" | tr -d '\r')
read -r width height < <(xdpyinfo | awk '/dimensions:/ { split($2, size, "x"); print size[1], size[2] }')
expected="window=found rect=0,0,${width},${height} topmost=1 visible=1 popup=1 child=0 disabled=0"
expected+=" parent=0 placed=0 screen=${width}x${height} ncactivate=1"
if [[ "$report" == "$expected" ]]; then
    pass "/s: $report"
else
    fail "/s: the system reports '$report', expected '$expected'"
fi
x_window=$(saver_windows | head -1)
if [[ -n "$x_window" ]] && xwininfo -id "$x_window" | grep -q "Width: ${width}" &&
    xwininfo -id "$x_window" | grep -q "Height: ${height}"; then
    pass "/s: the X window covers the ${width}x${height} screen"
else
    fail "/s: no X window covering the screen"
fi
start=$(now)
xdotool key space
expect_closed "/s, key press" "$start" 2.5

# Full screen: two mouse moves leave it running (the system's own on showing, at the cursor's
# place, is not counted); the third mouse event closes it.
start_full_screen
xdotool mousemove 100 100
xdotool mousemove 200 150
sleep 1.5
if kill -0 "$saver_pid" 2>/dev/null; then
    pass "/s: still running after two mouse moves"
else
    fail "/s: closed on two mouse moves"
fi
start=$(now)
xdotool click 1
expect_closed "/s, third mouse event (a click)" "$start" 2.5

# Preview inside a plain window standing in for the system's preview window.
host_output=$(mktemp)
"$wine" "$probe" host >"$host_output" &
host_pid=$!
for ((i = 0; i < 100; i++)); do
    [[ -s "$host_output" ]] && break
    sleep 0.1
done
parent=$(tr -d '\r\n' <"$host_output")
rm -f "$host_output"
"$wine" "$saver" /p "$parent" &
saver_pid=$!
sleep 3
report=$("$wine" "$probe" | tr -d '\r')
expected="window=found rect=100,100,420,340 topmost=0 visible=1 popup=0 child=1 disabled=1 parent=${parent} placed=1"
if [[ "$report" == "$expected "* ]]; then
    pass "/p $parent: $report"
else
    fail "/p $parent: the system reports '$report', expected '$expected ...'"
fi
start=$(now)
"$wine" "$probe" close "$parent"
expect_closed "/p $parent, parent window closed" "$start" 3
wait "$host_pid" 2>/dev/null

# With the password setting on, the system's password library is looked for in the system
# directory; Wine has none, so a key press closes the saver as without a password.
"$wine" reg add 'HKCU\Control Panel\Desktop' /v ScreenSaveUsePassword /t REG_DWORD /d 1 /f >/dev/null 2>&1
start_full_screen
start=$(now)
xdotool key space
expect_closed "/s with ScreenSaveUsePassword=1 and no PASSWORD.CPL, key press" "$start" 2.5
"$wine" reg delete 'HKCU\Control Panel\Desktop' /v ScreenSaveUsePassword /f >/dev/null 2>&1

if ((failures > 0)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "all passed"
