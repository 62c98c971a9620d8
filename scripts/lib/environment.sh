# Shared by the README's commands: the Wine prefix and the virtual display, and their clean-up.
# Source it; it defines functions and sets MR_ROOT.

MR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
MR_STARTED_PIDS=()

# A Wine prefix of the project's own, inside the build folder, made once.
mr_wine_prefix() {
    export WINEPREFIX="${WINEPREFIX:-$MR_ROOT/build/wineprefix}"
    export WINEDEBUG="${WINEDEBUG:--all}"
    # No Mono or Gecko installers: the saver needs neither.
    export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        echo "environment: making the Wine prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w || true
    fi
}

# Whether this machine starts 32-bit Linux programs, which 32-bit Wine is made of. A kernel can
# have its 32-bit emulation switched off (ia32_emulation=off); then no Windows test can run here.
mr_runs_32bit_programs() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Starts Xvfb of the given size on a free display number and exports DISPLAY.
mr_start_display() {
    local size="${1:-1920x1080}"
    local display=90
    while [[ -e "/tmp/.X${display}-lock" || -e "/tmp/.X11-unix/X${display}" ]]; do
        display=$((display + 1))
    done
    Xvfb ":${display}" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    MR_STARTED_PIDS+=("$!")
    export DISPLAY=":${display}"
    local tries=0
    until xdpyinfo >/dev/null 2>&1; do
        tries=$((tries + 1))
        if ((tries > 100)); then
            echo "environment: Xvfb did not start on $DISPLAY" >&2
            return 1
        fi
        sleep 0.1
    done
}

# Ends what this script started: the Wine server of our prefix and the displays.
mr_cleanup() {
    if [[ -n "${WINEPREFIX:-}" ]] && command -v wineserver >/dev/null; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    local pid
    for pid in "${MR_STARTED_PIDS[@]}"; do
        kill "$pid" >/dev/null 2>&1 || true
        wait "$pid" 2>/dev/null || true
    done
    MR_STARTED_PIDS=()
}
