#!/usr/bin/env bash
# A build of memory-rhythms.scr must be a GUI PE of its architecture (x86: PE32 for i386; x64:
# PE32+ for x86-64) whose imports are all system DLLs (it is copied alone into the system folder,
# with no MinGW runtime beside it) and functions that the oldest Windows of that architecture has
# (x86: Windows XP SP3; x64: Windows XP x64 Edition and Server 2003 SP1), asking for no newer
# subsystem than that Windows, and carrying its version resource, the rating bitmaps at both
# sizes and its application manifest; nothing in it may depend on where or when it was built.
# Usage: check_artifact.sh <objdump> <x86|x64> <memory-rhythms.scr> <version>
set -uo pipefail
objdump=$1
arch=$2
saver=$3
version=$4

# Per architecture: objdump's file format, the optional header's magic, the oldest Windows, and
# its subsystem version (XP is 5.1; XP x64 Edition and Server 2003 are 5.2).
case "$arch" in
    x86) format=pei-i386 magic=PE32 oldest="Windows XP SP3" newest_subsystem=(5 1) ;;
    x64) format=pei-x86-64 magic=PE32+ oldest="Windows XP x64 Edition" newest_subsystem=(5 2) ;;
    *)
        echo "usage: check_artifact.sh <objdump> <x86|x64> <memory-rhythms.scr> <version>" >&2
        exit 2
        ;;
esac

headers=$("$objdump" -p "$saver") || exit 1
status=0
grep -qF "file format $format" <<<"$headers" || { echo "FAIL: not $format"; status=1; }
grep -qF "($magic)" <<<"$headers" || { echo "FAIL: not $magic"; status=1; }
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || { echo "FAIL: not a GUI program"; status=1; }
((status)) || echo "ok: a $magic ($format) GUI program"

mapfile -t dlls < <(awk '/DLL Name:/ { print tolower($3) }' <<<"$headers")
if ((${#dlls[@]} == 0)); then
    echo "FAIL: no imports found"
    status=1
fi
for dll in "${dlls[@]}"; do
    case "$dll" in
        kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | msvcrt.dll) echo "ok: imports $dll" ;;
        *) echo "FAIL: imports $dll, which is not a system DLL"; status=1 ;;
    esac
done

# Each imported function must be one that the oldest Windows of the architecture exports
# (imports_<arch>.txt beside this script): one missing import, and the loader refuses the saver
# there.
allowed="$(dirname "${BASH_SOURCE[0]}")/imports_${arch}.txt"
mapfile -t imports < <(awk '/^The Import Tables/ { inside = 1; next } /^The / { inside = 0 }
    inside && /DLL Name:/ { dll = tolower($3); next }
    inside && dll != "" && /^\t[0-9a-f]+\t/ { print dll, $NF }' <<<"$headers")
# Read once, and searched without a pipe: grep -q leaves at the first match, and under pipefail a
# writer still writing into the pipe then fails the whole search with SIGPIPE.
listed=$(grep -v '^#' "$allowed")
unlisted=0
for import in "${imports[@]}"; do
    if ! grep -qxF "$import" <<<"$listed"; then
        echo "FAIL: imports $import, which is not on the list of $oldest exports"
        unlisted=1
    fi
done
if ((${#imports[@]} == 0)); then
    echo "FAIL: no imported functions found"
    status=1
elif ((unlisted)); then
    status=1
else
    echo "ok: all ${#imports[@]} imported functions are $oldest exports"
fi

# Nor does that Windows load a program that asks for a subsystem newer than its own.
major=$(awk '/MajorSubsystemVersion/ { print $2 }' <<<"$headers")
minor=$(awk '/MinorSubsystemVersion/ { print $2 }' <<<"$headers")
top_major=${newest_subsystem[0]} top_minor=${newest_subsystem[1]}
if [[ "$major" =~ ^[0-9]+$ && "$minor" =~ ^[0-9]+$ ]] &&
    ((major < top_major || (major == top_major && minor <= top_minor))); then
    echo "ok: subsystem version $major.$minor"
else
    echo "FAIL: subsystem version '$major.$minor', newer than $oldest's $top_major.$top_minor"
    status=1
fi

# Resource names and version strings are stored in UTF-16.
mapfile -t texts < <(strings -el -n 3 "$saver")
for wanted in GOOD NORMAL BAD GOOD96 NORMAL96 BAD96 ProductName "Memory Rhythms" FileDescription \
    FileVersion "$version"; do
    found=0
    for text in "${texts[@]}"; do
        [[ "$text" == "$wanted"* ]] && found=1 && break
    done
    if ((found)); then
        echo "ok: resource text '$wanted'"
    else
        echo "FAIL: no resource text '$wanted'"
        status=1
    fi
done
# The application manifest Windows reads at start-up, resource 1 of type 24 (RT_MANIFEST), declares
# the awareness of the display scale that keeps Windows from stretching the dial.
# objdump indents the resource tree: types by 3 blanks, the ids under them by 5.
manifest_id=$(awk '/^[0-9a-f]+   Entry: ID: / { type = $4 }
    /^[0-9a-f]+     Entry: ID: / && type == "0x000018," { sub(",", "", $4); print $4; exit }' \
    <<<"$headers")
manifest=$(strings -a -n 8 "$saver" | tr -d '\r')
if [[ "$manifest_id" == "0x000001" ]] &&
    grep -qF '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>' <<<"$manifest" &&
    grep -qF '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>' <<<"$manifest"; then
    echo "ok: manifest 1 declares per-monitor DPI awareness"
else
    echo "FAIL: no manifest 1 (found '${manifest_id:-none}') with dpiAware true/pm and dpiAwareness PerMonitorV2, PerMonitor"
    status=1
fi
# The link time would make every build differ: the PE header's time stamp stays zero.
pe_offset=$(od -An -tu4 -j60 -N4 "$saver" | tr -d ' ')
stamp=$(od -An -tu4 -j$((pe_offset + 8)) -N4 "$saver" | tr -d ' ')
if [[ "$stamp" == 0 ]]; then
    echo "ok: PE time stamp 0"
else
    echo "FAIL: PE time stamp $stamp (the link time?), expected 0"
    status=1
fi
# Neither the source tree's path nor the build folder's (inside it) may be in the file.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
if strings -a "$saver" | grep -qF "$root" || strings -a -el "$saver" | grep -qF "$root"; then
    echo "FAIL: the file holds the build path $root"
    status=1
else
    echo "ok: no build path ($root) in the file"
fi
exit "$status"
