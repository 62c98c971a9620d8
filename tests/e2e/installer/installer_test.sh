#!/usr/bin/env bash
# The setup program and its uninstaller, run for real under Wine, silently, in a fresh copy of the
# environment's Wine prefix (WINEPREFIX) on its display (DISPLAY).
#
#   installer_test.sh <case> <x86|x64> <memory-rhythms-setup-*.exe> <the .scr it was built from>
#                     <version> <hold-file.exe> <the stand-in wtsapi32.dll>
#
# Cases:
#   install_uninstall  install over a chosen saver with the screen saver switched off, check file,
#                      selection (switched on) and uninstall entry, run the installed saver,
#                      uninstall (switched off again), then uninstall again with a saved copy
#   upgrade            install again over an older saver held as a running one: replaced at once
#                      (exit 0), or, held so that it cannot be renamed, at the next restart (3010),
#                      or, where not even that can be done, a failure (2) that leaves it in place;
#                      one uninstall entry, and the uninstaller still gives back the saver chosen
#                      before the first install, recorded as earlier releases did
#   restart            what waits for the restart (wineboot -r; one Wine server all along): the
#                      uninstall of a running saver, or of one held so that it can be neither
#                      renamed nor deleted, then an install; an install over one held so, then an
#                      uninstall; two installs, the second with it held or not: each restart ends
#                      as the last run said
#   select_options     /NOSELECT leaves the selection alone; with no saver chosen before, the
#                      uninstaller leaves none chosen
#   desk               the session's user and domain forced by a stand-in wtsapi32.dll: another
#                      domain's account of the same name, or nobody at the desk, selects nothing;
#                      (x64) nor does it take the selected 32-bit saver of an earlier x86 install,
#                      or its record of the saver before, which the desk's next run takes over
#   interactive        the wizard, driven by keys: answering no leaves the selection alone,
#                      answering yes (over the first install) selects the saver
#   language           the setup window speaks Russian on Russian, Ukrainian and Belarusian
#                      systems, English on others
#   signed             the package step's signing with a throwaway self-signed certificate: the
#                      saver, the setup program and the uninstaller it installs verify against it,
#                      and the signed saver, installed, runs and closes on a key
#   replace_x86        (x64) over what the x86 setup program left on 64-bit Windows, the 32-bit
#                      saver in SysWOW64, selected, with its entry and uninstaller: one saver, one
#                      entry, the selection on the 64-bit file; its uninstaller removes everything.
#                      A 32-bit saver there without that entry, selected, is left alone
set -uo pipefail

if (($# != 7)); then
    echo "usage: $0 <case> <x86|x64> <setup.exe> <saver.scr> <version> <hold-file.exe> <wtsapi32.dll>" >&2
    exit 2
fi
case_name=$1 arch=$2 setup=$3 saver=$4 version=$5 hold=$6 fake_wtsapi32=$7
# The Wine of the build's architecture (its tests' emulator): Wine's own programs, and programs
# named by a Windows path, then see the System32 and the registry view the build's programs see.
wine=${MR_WINE:-wine}

for tool in "$wine" wineserver xdotool cmp; do
    command -v "$tool" >/dev/null || { echo "SETUP: $tool is missing" >&2; exit 1; }
done
if [[ -z "${WINEPREFIX:-}" || ! -f "${WINEPREFIX}/system.reg" || -z "${DISPLAY:-}" ]]; then
    echo "SETUP: needs WINEPREFIX (an initialised prefix) and DISPLAY" >&2
    exit 1
fi
[[ -f "$setup" && -f "$saver" && -f "$hold" && -f "$fake_wtsapi32" ]] ||
    { echo "SETUP: $setup, $saver, $hold or $fake_wtsapi32 is missing" >&2; exit 1; }
if [[ "$case_name" == signed ]]; then
    for tool in openssl osslsigncode makensis; do
        command -v "$tool" >/dev/null || { echo "SETUP: $tool is missing" >&2; exit 1; }
    done
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/mr-installer-test.XXXXXX")
cleanup() {
    WINEPREFIX="$work/prefix" timeout 20 wineserver -k >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
# A copy of a ready prefix is much quicker than a new one; nothing the tests do reaches the original.
cp -a "$WINEPREFIX" "$work/prefix"
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
drive_c="$WINEPREFIX/drive_c"

failures=0
pass() { echo "ok:   $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_eq() { # <what> <actual> <expected>
    if [[ "$2" == "$3" ]]; then pass "$1: $2"; else fail "$1: got '$2', expected '$3'"; fi
}
expect() { # <what should hold> <command...>: checks that the command succeeds
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "not so: $what"; fi
}
fails() { ! "$@" >/dev/null 2>&1; }
lower() { tr '[:upper:]' '[:lower:]' <<<"$1"; }

w() { timeout 60 "$wine" "$@"; }

# The 64-bit setup program puts the saver into the real System32, its uninstaller into Program
# Files and its entry into the 64-bit registry. 32-bit programs see System32 as SysWOW64 in a
# 64-bit prefix: the 32-bit one puts the saver there, and its uninstaller where 32-bit programs go.
wow64_dir="$drive_c/windows/syswow64"
if [[ "$arch" == x64 ]]; then
    saver_dir="$drive_c/windows/system32"
    saver_windows_path='c:\windows\system32\memory-rhythms.scr'
    other_dir="$wow64_dir"
    program_files='Program Files'
    registry_view=64
elif grep -q '^#arch=win64' "$WINEPREFIX/system.reg"; then
    saver_dir="$wow64_dir"
    saver_windows_path='c:\windows\syswow64\memory-rhythms.scr'
    other_dir="$drive_c/windows/system32"
    program_files='Program Files (x86)'
    registry_view=32
else
    saver_dir="$drive_c/windows/system32"
    saver_windows_path='c:\windows\system32\memory-rhythms.scr'
    other_dir=""
    program_files='Program Files'
    registry_view=32
fi
installed="$saver_dir/memory-rhythms.scr"
install_dir="$drive_c/$program_files/Memory Rhythms"
uninstaller_windows_path="C:\\$program_files\\Memory Rhythms\\uninstall.exe"

desktop_key='HKCU\Control Panel\Desktop'
uninstall_root='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
uninstall_key="$uninstall_root\\MemoryRhythms"

# Prints the data of one value from `reg query` output on stdin; fails when it is not there.
value_of() { # <name>
    local name=$1 line found=1
    while IFS= read -r line; do
        line=${line%$'\r'}
        if [[ "$line" =~ ^\ +([^ ].*[^ ]|[^ ])\ {4}(REG_[A-Z_]+)\ {4}(.*)$ && "${BASH_REMATCH[1]}" == "$name" ]]; then
            printf '%s\n' "${BASH_REMATCH[3]}"
            found=0
        fi
    done
    return "$found"
}
screen_saver() { w reg query "$desktop_key" /v SCRNSAVE.EXE 2>/dev/null | value_of SCRNSAVE.EXE; }
screen_saver_active() { w reg query "$desktop_key" /v ScreenSaveActive | value_of ScreenSaveActive; }
set_screen_saver() { w reg add "$desktop_key" /v SCRNSAVE.EXE /t REG_SZ /d "$1" /f >/dev/null; }
clear_screen_saver() { w reg delete "$desktop_key" /v SCRNSAVE.EXE /f >/dev/null 2>&1; }
# The whole of the user's desktop settings, to show that nothing else in them changed.
desktop_snapshot() { w reg query "$desktop_key" /s | tr -d '\r'; }
uninstall_entry() { w reg query "$uninstall_key" /reg:$registry_view 2>/dev/null | tr -d '\r'; }
# Ends when every program of the test's prefix has ended: the uninstaller runs on from a copy of
# itself in the temporary folder after the program that was started returns.
wait_for_prefix() { timeout 60 wineserver -w || fail "programs of the prefix still running after 60 s"; }

# Runs a program through cmd, which sees its whole exit code (Wine passes on only the low byte),
# and prints that code.
printf '@"%%~1" %%2 %%3 %%4\r\n@echo exit %%ERRORLEVEL%%\r\n' >"$work/exit-code.cmd"
exit_code_of() { # <program> [arguments...]
    w cmd /c "$(w winepath -w "$work/exit-code.cmd")" "$(w winepath -w "$1")" "${@:2}" |
        tr -d '\r' | sed -n 's/^exit //p'
}

install() { # [options...]: expects exit code 0, or expected_exit when set
    local code expected=${expected_exit:-0}
    code=$(exit_code_of "$setup" /S "$@")
    if ((code == expected)); then
        pass "setup /S${*:+ $*} exit code $code"
    else
        fail "setup /S${*:+ $*} exit code $code, expected $expected"
    fi
}

# Holds the installed saver as Windows holds a running program's file (others may read and rename
# it, not write it), or, with norename, so that it cannot be renamed either; release_saver ends it.
hold_saver() { # [norename]
    "$wine" "$hold" "$saver_windows_path" "$@" >"$work/held" 2>&1 &
    holder=$!
    for _ in $(seq 1 300); do
        grep -q held "$work/held" && return
        sleep 0.1
    done
    fail "hold-file did not hold the saver: $(cat "$work/held")"
}
release_saver() { kill "$holder" && wait "$holder" 2>/dev/null; }

# Runs the registered quiet uninstall command, as Apps & Features would.
uninstall_quietly() {
    local quiet path code
    quiet=$(uninstall_entry | value_of QuietUninstallString)
    if [[ ! "$quiet" =~ ^\"([^\"]+)\"\ /S$ ]]; then
        fail "QuietUninstallString is '$quiet', expected '\"...uninstall.exe\" /S'"
        return
    fi
    path=${BASH_REMATCH[1]}
    w "$path" /S
    code=$?
    wait_for_prefix
    if ((code == 0)); then pass "uninstaller /S exit code 0"; else fail "uninstaller /S exit code $code"; fi
}

check_installed_file() {
    if cmp -s "$saver" "$installed"; then
        pass "the saver is installed as ${installed#"$drive_c"/}"
    else
        fail "${installed#"$drive_c"/} is missing or differs from $saver"
    fi
    if [[ -n "$other_dir" && -e "$other_dir/memory-rhythms.scr" ]]; then
        fail "the saver was written to ${other_dir#"$drive_c"/} too"
    fi
}

check_selected() {
    local value
    value=$(screen_saver) || { fail "SCRNSAVE.EXE is not set"; return; }
    # The full path is what setup writes; Windows may also write the short form. The folder must
    # be spelt as it is: 64-bit Windows starts the saver without WOW64 redirection. (Wine would
    # find it under System32 as well, so a path that merely resolves to the file is not enough.)
    local unix_path
    if [[ "$(lower "$value")" == "$saver_windows_path" ]]; then
        pass "SCRNSAVE.EXE names the installed saver: $value"
    elif [[ "$(lower "$value")" == "${saver_windows_path%\\*}\\"* ]] &&
        unix_path=$(w winepath -u "$value" | tr -d '\r') && [[ "$unix_path" -ef "$installed" ]]; then
        pass "SCRNSAVE.EXE names the installed saver (short form): $value"
    else
        fail "SCRNSAVE.EXE is '$value', expected $saver_windows_path"
    fi
}

check_uninstall_entry() {
    local entry size uninstaller icon
    entry=$(uninstall_entry) || { fail "no uninstall entry $uninstall_key ($registry_view-bit view)"; return; }
    expect_eq DisplayName "$(value_of DisplayName <<<"$entry")" "Memory Rhythms"
    expect_eq DisplayVersion "$(value_of DisplayVersion <<<"$entry")" "$version"
    expect_eq Publisher "$(value_of Publisher <<<"$entry")" "the Memory Rhythms authors"
    expect_eq NoModify "$(value_of NoModify <<<"$entry")" 0x1
    expect_eq NoRepair "$(value_of NoRepair <<<"$entry")" 0x1
    uninstaller=$(value_of UninstallString <<<"$entry")
    expect_eq UninstallString "$uninstaller" "\"$uninstaller_windows_path\""
    expect_eq QuietUninstallString "$(value_of QuietUninstallString <<<"$entry")" "$uninstaller /S"
    expect "uninstall.exe is there" test -f "$install_dir/uninstall.exe"
    # The screen saver a user had before is that user's own: none of it in the machine's entry.
    expect "no user's previous screen saver in the entry" fails value_of PreviousScreenSaver <<<"$entry"
    icon=$(value_of DisplayIcon <<<"$entry")
    expect_eq DisplayIcon "$icon" "$uninstaller_windows_path,0"
    # Kilobytes, at least the saver itself.
    size=$(value_of EstimatedSize <<<"$entry")
    if [[ "$size" =~ ^0x[0-9a-f]+$ ]] && (($(printf '%d' "$size") * 1024 >= $(stat -c %s "$saver"))); then
        pass "EstimatedSize $size KB covers the saver ($(stat -c %s "$saver") bytes)"
    else
        fail "EstimatedSize is '$size', less than the saver's $(stat -c %s "$saver") bytes"
    fi
}

# Starts the selected saver as Windows does after the idle time-out, presses a key and expects it
# to end by itself with exit code 0.
check_saver_runs() {
    local command pid window code=
    command=$(screen_saver) || { fail "no saver selected to run"; return; }
    "$wine" "$command" /s &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
    if [[ -z "$window" ]]; then
        fail "the installed saver opened no window in 30 s"
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        return
    fi
    pass "the installed saver opened its window ($window)"
    xdotool windowfocus "$window" >/dev/null 2>&1
    xdotool key space
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "the installed saver is still running 10 s after a key press"
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        return
    fi
    wait "$pid"
    code=$?
    expect_eq "the saver's exit code after a key press" "$code" 0
}

check_removed() {
    expect "the saver file is removed" test ! -e "$installed"
    expect "the uninstaller and its folder are removed" test ! -e "$install_dir"
    expect "the uninstall entry is removed" fails uninstall_entry
}

count_entries() { # the uninstall entries named Memory Rhythms, in both registry views
    local view
    for view in 32 64; do
        w reg query "$uninstall_root" /s /reg:$view 2>/dev/null | tr -d '\r' |
            grep -cE '^ +DisplayName +REG_SZ +Memory Rhythms$'
    done | awk '{ n += $1 } END { print n + 0 }'
}

# The windows of a process on the display, one id a line.
windows_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null; }
# Waits up to 30 s until the process shows <count> windows.
wait_for_windows() { # <pid> <count>
    local _
    for _ in $(seq 1 150); do
        (($(windows_of "$1" | wc -l) == $2)) && return 0
        sleep 0.2
    done
    return 1
}
press() { # <window> <keys...>
    local window=$1
    shift
    xdotool windowfocus "$window" >/dev/null 2>&1
    sleep 0.3
    xdotool key --delay 200 "$@"
}

# Goes through the setup wizard with the keyboard, in English: Install on the welcome page, the
# given answer to the question whether to make it the screen saver, Finish on the last page.
install_interactively() { # yes|no
    local answer=$1 pid main box code
    LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 "$wine" "$setup" &
    pid=$!
    if wait_for_windows "$pid" 1; then
        main=$(windows_of "$pid")
        press "$main" Return
    fi
    if wait_for_windows "$pid" 2; then
        box=$(windows_of "$pid" | grep -vx "$main")
        pass "setup asks whether to make it the screen saver ('$(xdotool getwindowname "$box")')"
        # Yes is the default button.
        if [[ "$answer" == yes ]]; then press "$box" space; else press "$box" Tab space; fi
        wait_for_windows "$pid" 1 && press "$main" Return
    else
        fail "setup asked nothing after the welcome page"
    fi
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "setup still running 20 s after Finish"
        timeout 20 wineserver -k
    fi
    wait "$pid"
    code=$?
    expect_eq "setup exit code, answered $answer" "$code" 0
}

# Verifies a file's Authenticode signature against the test's own certificate as the only CA.
signature_verifies() { # <file>
    local report
    report=$(osslsigncode verify -CAfile "$work/signer.pem" -in "$1" 2>&1)
    grep -qx 'Signature verification: ok' <<<"$report" && grep -qx 'Succeeded' <<<"$report"
}

previous='C:\windows\system32\previous.scr'
# An older release's saver, for upgrades.
older="$work/older.scr"
cp "$saver" "$older" && printf 'older' >>"$older"

# What the x86 setup program leaves on 64-bit Windows (its bytes matter to no one here), with the
# 32-bit saver selected.
earlier_dir="$drive_c/Program Files (x86)/Memory Rhythms"
earlier_x86_install() {
    local value
    mkdir -p "$earlier_dir" && cp "$saver" "$wow64_dir/memory-rhythms.scr" &&
        cp "$saver" "$earlier_dir/uninstall.exe"
    for value in "DisplayName Memory Rhythms" "PreviousScreenSaver $previous" \
        'InstallLocation C:\Program Files (x86)\Memory Rhythms'; do
        w reg add "$uninstall_key" /reg:32 /v "${value%% *}" /t REG_SZ /d "${value#* }" /f >/dev/null
    done
    set_screen_saver 'C:\windows\SysWOW64\memory-rhythms.scr'
}

case "$case_name" in
install_uninstall)
    set_screen_saver "$previous"
    # Switched off, as choosing "(None)" leaves it on Windows XP: selecting the saver switches it on.
    w reg add "$desktop_key" /v ScreenSaveActive /d 0 /f >/dev/null
    before=$(desktop_snapshot)
    install
    check_installed_file
    check_selected
    expect_eq "ScreenSaveActive after selecting" "$(screen_saver_active)" 1
    check_uninstall_entry
    check_saver_runs
    cp "$install_dir/uninstall.exe" "$work/uninstall-copy.exe" 2>/dev/null
    uninstall_quietly
    check_removed
    expect_eq "SCRNSAVE.EXE after uninstall" "$(screen_saver)" "$previous"
    expect_eq "ScreenSaveActive after uninstall" "$(screen_saver_active)" 0
    if [[ "$(desktop_snapshot)" == "$before" ]]; then
        pass "the desktop settings are as before the install"
    else
        fail "the desktop settings changed: $(diff <(echo "$before") <(desktop_snapshot))"
    fi
    # Uninstalling again (a saved copy of the uninstaller) must leave everything as it is,
    # including a saver the user has chosen since.
    later='C:\windows\system32\chosen-later.scr'
    set_screen_saver "$later"
    before=$(desktop_snapshot)
    w "$work/uninstall-copy.exe" /S
    code=$?
    wait_for_prefix
    expect_eq "second uninstall exit code" "$code" 0
    expect_eq "SCRNSAVE.EXE after the second uninstall" "$(screen_saver)" "$later"
    expect "the desktop settings are untouched by the second uninstall" \
        test "$(desktop_snapshot)" == "$before"
    expect "still no uninstall entry" fails uninstall_entry
    ;;
upgrade)
    set_screen_saver "$previous"
    install
    # As setup programs of earlier releases kept it: in the uninstall entry. The upgrade moves it.
    w reg delete 'HKCU\Software\Memory Rhythms' /f >/dev/null
    w reg add "$uninstall_key" /reg:$registry_view /v PreviousScreenSaver /d "$previous" /f >/dev/null
    cp "$older" "$installed" && hold_saver
    install
    release_saver
    check_installed_file
    # Not even renamed: the new saver waits beside it, and a restart puts it in place.
    cp "$older" "$installed" && hold_saver norename
    staged="$saver_dir/memory-rhythms.new"
    mkdir "$staged"
    expected_exit=2 install
    expect "the failed upgrade left the older saver" cmp -s "$older" "$installed"
    rmdir "$staged"
    expected_exit=3010 install
    expect "the older saver stays until the restart" cmp -s "$older" "$installed"
    release_saver
    w wineboot -r
    wait_for_prefix
    check_installed_file
    expect "the restart left no staged saver" test ! -e "$staged"
    check_selected
    expect_eq "uninstall entries after installing four times" "$(count_entries)" 1
    check_uninstall_entry
    # Windows may write the short form of the path: the uninstaller knows it as ours all the same.
    set_screen_saver "$(w winepath -s "$saver_windows_path" | tr -d '\r')"
    uninstall_quietly
    check_removed
    # Had the second install recorded our own saver as the previous one, it would come back here.
    expect_eq "SCRNSAVE.EXE after uninstalling the upgrade" "$(screen_saver)" "$previous"
    ;;
restart)
    # A new Wine server would boot the prefix: one, kept throughout, restarts at wineboot -r only.
    # (wineserver -w would wait for ever: the uninstaller runs in place, a copy with _?=.) It ends
    # by itself two minutes after the last program, should the clean-up never come.
    wineserver -p120
    restart() { w wineboot -r >/dev/null 2>&1; }
    printf '@"%%~1" /S _?=%%~2\r\n@echo exit %%ERRORLEVEL%%\r\n' >"$work/in-place.cmd"
    uninstall_in_place() { # <expected exit code>
        cp "$install_dir/uninstall.exe" "$work/uninstall-copy.exe"
        expect_eq "uninstaller exit code" "$(w cmd /c "$(w winepath -w "$work/in-place.cmd")" \
            "$(w winepath -w "$work/uninstall-copy.exe")" "C:\\$program_files\\Memory Rhythms" |
            tr -d '\r' | sed -n 's/^exit //p')" "$1"
    }
    staged="$saver_dir/memory-rhythms.new"
    set_screen_saver "$previous"
    # Running, the saver can be renamed but not deleted: the uninstall renames it aside and queues
    # that name for deletion, never its own, which would take the reinstalled saver.
    install
    "$wine" "$saver_windows_path" /s &
    running=$!
    timeout 30 xdotool search --sync --onlyvisible --pid "$running" >/dev/null
    uninstall_in_place 0
    install
    kill "$running" && wait "$running" 2>/dev/null
    restart
    check_installed_file

    install
    hold_saver norename
    uninstall_in_place 3010
    release_saver
    # The uninstall queued the saver's own path for deletion: this saver must come after that.
    expected_exit=3010 install
    restart
    check_installed_file
    check_selected
    expect_eq "uninstall entries after uninstall, install and restart" "$(count_entries)" 1

    cp "$older" "$installed" && hold_saver norename
    expected_exit=3010 install
    release_saver
    uninstall_in_place 0
    restart
    check_removed
    expect "no staged saver moved in or left behind" test ! -e "$staged"

    for second in 3010 0; do # the second install with the saver held still, or free
        install
        cp "$older" "$installed" && hold_saver norename
        expected_exit=3010 install
        cp "$older" "$staged" # the first install's staged saver, standing for an older release's
        ((second == 0)) && release_saver
        expected_exit=$second install
        ((second == 3010)) && release_saver
        restart
        check_installed_file
    done
    ;;
select_options)
    clear_screen_saver
    install /NOSELECT
    check_installed_file
    expect "/NOSELECT left SCRNSAVE.EXE unset" fails screen_saver
    set_screen_saver "$previous"
    install /NOSELECT
    expect_eq "SCRNSAVE.EXE after install /NOSELECT" "$(screen_saver)" "$previous"
    clear_screen_saver
    install
    check_selected
    uninstall_quietly
    check_removed
    expect "SCRNSAVE.EXE is unset again, as before the install" fails screen_saver
    ;;
desk)
    # The setup program's wtsapi32, in the system folder, for the runs that name it.
    cp "$fake_wtsapi32" "$saver_dir/wtsapi32.dll"
    with_session() { # <MR_FAKE_WTS_USER|MR_FAKE_WTS_DOMAIN=value> <command...>
        local -x WINEDLLOVERRIDES="$WINEDLLOVERRIDES;wtsapi32=n" "$1"
        "${@:2}"
    }
    # Another domain's account of the same name; nobody at the desk (a service's session 0).
    for session in MR_FAKE_WTS_DOMAIN=ELSEWHERE MR_FAKE_WTS_USER=; do
        set_screen_saver "$previous"
        with_session "$session" install
        expect_eq "SCRNSAVE.EXE after setup with $session" "$(screen_saver)" "$previous"
    done
    # The stand-in's own answers: the account setup runs as.
    with_session MR_FAKE_NONE= install
    check_selected
    uninstall_quietly
    if [[ "$arch" == x64 ]]; then
        earlier_x86_install
        with_session MR_FAKE_WTS_DOMAIN=ELSEWHERE install
        expect "the selected 32-bit saver stays for the desk" test -f "$wow64_dir/memory-rhythms.scr"
        expect_eq "SCRNSAVE.EXE after setup for another account" "$(screen_saver)" \
            'C:\windows\SysWOW64\memory-rhythms.scr'
        expect "the saver before is no record of setup's account" \
            fails w reg query 'HKCU\Software\Memory Rhythms'
        install /NOSELECT
        check_selected
        expect "the desk's run replaced the 32-bit saver" test ! -e "$wow64_dir/memory-rhythms.scr"
        uninstall_quietly
        expect_eq "SCRNSAVE.EXE after uninstall" "$(screen_saver)" "$previous"
    fi
    ;;
interactive)
    set_screen_saver "$previous"
    install_interactively no
    check_installed_file
    expect_eq "SCRNSAVE.EXE after answering no" "$(screen_saver)" "$previous"
    check_uninstall_entry
    install_interactively yes
    check_selected
    uninstall_quietly
    check_removed
    expect_eq "SCRNSAVE.EXE after uninstall" "$(screen_saver)" "$previous"
    ;;
language)
    # The setup window's title, by the system locale Wine is started with.
    for pair in en_US:'Memory Rhythms Setup' de_DE:'Memory Rhythms Setup' \
        ru_RU:'Установка Memory Rhythms' uk_UA:'Установка Memory Rhythms' be_BY:'Установка Memory Rhythms'; do
        locale=${pair%%:*}.UTF-8
        expected=${pair#*:}
        LANG=$locale LC_ALL=$locale "$wine" "$setup" &
        pid=$!
        window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
        title=$([[ -n "$window" ]] && xdotool getwindowname "$window")
        expect_eq "setup window title under $locale" "$title" "$expected"
        timeout 20 wineserver -k
        wait "$pid" 2>/dev/null
    done
    expect "the setup windows left unanswered installed nothing" test ! -e "$installed"
    ;;
signed)
    if ! openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Memory Rhythms test signer" \
        -addext extendedKeyUsage=codeSigning -keyout "$work/signer.key" -out "$work/signer.pem" \
        2>/dev/null ||
        ! openssl pkcs12 -export -inkey "$work/signer.key" -in "$work/signer.pem" \
            -out "$work/signer.p12" -passout pass:throwaway; then
        echo "SETUP: could not make a certificate" >&2
        exit 1
    fi
    MR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
    source "$MR_ROOT/scripts/lib/package.sh"
    sign_with_throwaway() (
        export MR_SIGN_PKCS12="$work/signer.p12" MR_SIGN_PASSWORD=throwaway
        mr_make_signed "$arch" "$saver" "$version" "$work/signed"
    )
    expect "the package step signs the saver and the setup program" sign_with_throwaway
    saver="$work/signed/memory-rhythms.scr"
    setup="$work/signed/memory-rhythms-setup-$arch.exe"
    expect "the saver's signature verifies" signature_verifies "$saver"
    expect "the setup program's signature verifies" signature_verifies "$setup"
    set_screen_saver "$previous"
    install
    check_installed_file
    expect "the installed uninstaller's signature verifies" signature_verifies "$install_dir/uninstall.exe"
    check_selected
    check_saver_runs
    uninstall_quietly
    check_removed
    ;;
replace_x86)
    [[ "$arch" == x64 ]] || { echo "SETUP: replace_x86 is a case of the x64 setup program" >&2; exit 1; }
    earlier_x86_install
    # /NOSELECT: the selection moves because the old file goes, not because setup selects.
    install /NOSELECT
    check_installed_file
    check_selected
    expect "the 32-bit saver is gone from SysWOW64" test ! -e "$wow64_dir/memory-rhythms.scr"
    expect "the earlier uninstaller and its folder are gone" test ! -e "$earlier_dir"
    expect_eq "uninstall entries, both registry views" "$(count_entries)" 1
    check_uninstall_entry
    uninstall_quietly
    check_removed
    expect_eq "SCRNSAVE.EXE after uninstall: the one before the first install" "$(screen_saver)" \
        "$previous"
    # A 32-bit saver copied into SysWOW64 by hand, without the x86 setup program's entry, is not
    # the 64-bit setup program's: it and its selection outlast an install and an uninstall.
    cp "$saver" "$wow64_dir/memory-rhythms.scr"
    set_screen_saver 'C:\windows\SysWOW64\memory-rhythms.scr'
    install /NOSELECT
    uninstall_quietly
    expect_eq "SCRNSAVE.EXE after an install and uninstall" "$(screen_saver)" \
        'C:\windows\SysWOW64\memory-rhythms.scr'
    expect "the 32-bit saver is still in SysWOW64" test -f "$wow64_dir/memory-rhythms.scr"
    ;;
*)
    echo "unknown case $case_name" >&2
    exit 2
    ;;
esac

if ((failures > 0)); then
    echo "$case_name: $failures check(s) failed"
    exit 1
fi
echo "$case_name: all checks passed"
