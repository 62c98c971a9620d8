# Shared by the README's commands: the Wine prefix and the virtual display, and their clean-up.
# Source it; it defines functions and sets MR_ROOT.

MR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
MR_STARTED_PIDS=()

# A Wine prefix of the project's own, inside the build folder, made once: a 64-bit one, which runs
# the 64-bit saver natively and, where 32-bit Wine is installed, the 32-bit saver in its WoW64
# part (syswow64), as 64-bit Windows does.
mr_wine_prefix() {
    export WINEPREFIX="${WINEPREFIX:-$MR_ROOT/build/wineprefix}"
    export WINEARCH=win64
    export WINEDEBUG="${WINEDEBUG:--all}"
    # No Mono or Gecko installers: the saver needs neither.
    export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
    mr_renew_prefix_without_32bit_part
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        echo "environment: making the Wine prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w || true
    fi
    mr_install_tahoma
}

# A prefix made before 32-bit Wine was installed has an empty syswow64, and every 32-bit program
# then fails with "could not load kernel32.dll". wineboot -u cannot fill it (it would need the
# 32-bit rundll32 it lacks), so the project's own prefix is made anew; one named by WINEPREFIX is
# the user's, and is only reported.
mr_renew_prefix_without_32bit_part() {
    [[ -f "$WINEPREFIX/system.reg" && ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]] ||
        return 0
    mr_wine32_runs || return 0
    if [[ "$WINEPREFIX" -ef "$MR_ROOT/build/wineprefix" ]]; then
        echo "environment: the Wine prefix has no 32-bit part (made before 32-bit Wine); making it anew"
        wineserver -k >/dev/null 2>&1 || true
        rm -rf "$WINEPREFIX"
    else
        echo "environment: $WINEPREFIX has no 32-bit part: 32-bit programs will not start in it" >&2
    fi
}

# The dial is drawn in Tahoma. Wine ships its own Tahoma, but a 64-bit prefix finds it only in
# the prefix's Fonts folder; without it "Tahoma" resolves to another face of other widths.
mr_install_tahoma() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" face
    mkdir -p "$fonts"
    for face in /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf; do
        if [[ ! -f "$face" ]]; then
            echo "environment: $face is missing (fonts-wine installs it)" >&2
            return 1
        fi
        cmp -s "$face" "$fonts/${face##*/}" || cp "$face" "$fonts/"
    done
}

# Whether the kernel starts 32-bit x86 programs, which 32-bit Wine is made of. A kernel can have
# its 32-bit emulation switched off (ia32_emulation=off): then an i386 program gets "Exec format
# error". Asked of the smallest such program, written here byte by byte (an ELF header, one
# loadable segment, and exit(0) through int 0x80), so that the answer needs nothing installed.
mr_kernel_runs_32bit_programs() {
    local probe status
    probe=$(mktemp "${TMPDIR:-/tmp}/mr-i386-probe.XXXXXX") || return 1
    printf '%b' '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
        '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
        '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
        '\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08' \
        '\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00' \
        '\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    status=$?
    rm -f "$probe"
    return "$status"
}

# Whether 32-bit Wine is installed and starts: then the 32-bit saver runs here too.
mr_wine32_runs() {
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
