#!/usr/bin/env bash
# What a setup program holds, read by 7-Zip without running it: a setup program of its build's
# architecture that installs exactly that build's saver into the system folder and carries an
# uninstaller of the same architecture. The one check of the x86 setup program on a machine that
# starts no 32-bit programs.
#
#   setup_contents_test.sh <x86|x64> <memory-rhythms-setup-*.exe> <memory-rhythms.scr>
set -uo pipefail

if (($# != 3)); then
    echo "usage: $0 <x86|x64> <setup.exe> <saver.scr>" >&2
    exit 2
fi
arch=$1 setup=$2 saver=$3
case "$arch" in
    x86) format=pei-i386 ;;
    x64) format=pei-x86-64 ;;
    *) echo "usage: $0 <x86|x64> <setup.exe> <saver.scr>" >&2; exit 2 ;;
esac
command -v 7z >/dev/null || { echo "SETUP: 7z is missing (p7zip-full; scripts/setup installs it)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/mr-setup-contents.XXXXXX")
trap 'rm -rf "$work"' EXIT

failures=0
pass() { echo "ok:   $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
is_format() { objdump -f "$1" 2>/dev/null | grep -q "file format $format\$"; }

if is_format "$setup"; then pass "the setup program is $format"; else fail "the setup program is not $format"; fi
if ! 7z x -y -o"$work" "$setup" >/dev/null; then
    fail "7-Zip cannot read $setup"
else
    # The files it installs, plugins of its own pages aside.
    files=$(cd "$work" && find . -type f ! -path './$PLUGINSDIR/*' | sed 's|^\./||' | sort | tr '\n' ' ')
    # memory-rhythms.new: the same saver, written beside a held one for a restart to put in place.
    if [[ "$files" == '$SYSDIR/memory-rhythms.new $SYSDIR/memory-rhythms.scr uninstall.exe ' ]]; then
        pass "it holds \$SYSDIR/memory-rhythms.scr (and .new) and uninstall.exe"
    else
        fail "it holds '$files', expected the saver in \$SYSDIR (.scr and .new) and uninstall.exe"
    fi
    for name in scr new; do
        if cmp -s "$work/\$SYSDIR/memory-rhythms.$name" "$saver"; then
            pass "the saver it installs as memory-rhythms.$name is the $arch build's"
        else
            fail "the saver it installs as memory-rhythms.$name is not $saver"
        fi
    done
    if is_format "$work/uninstall.exe"; then pass "its uninstaller is $format"; else fail "its uninstaller is not $format"; fi
fi

if ((failures > 0)); then
    echo "setup contents: $failures check(s) failed"
    exit 1
fi
echo "setup contents: all checks passed"
