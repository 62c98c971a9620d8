#!/usr/bin/env bash
# The release package step (scripts/lib/package.sh) on the built savers and setup programs of
# both architectures.
#
#   package_test.sh <version> <x64 saver.scr> <x64 setup.exe> <x86 saver.scr> <x86 setup.exe>
set -uo pipefail

if (($# != 5)); then
    echo "usage: $0 <version> <x64 saver.scr> <x64 setup.exe> <x86 saver.scr> <x86 setup.exe>" >&2
    exit 2
fi
version=$1
declare -A saver=([x64]=$2 [x86]=$4) setup=([x64]=$3 [x86]=$5)
for file in "$2" "$3" "$4" "$5"; do
    [[ -f "$file" ]] || { echo "SETUP: $file is missing (build the win64 and win32 presets)" >&2; exit 1; }
done
MR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$MR_ROOT/scripts/lib/package.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/mr-package-test.XXXXXX")
trap 'rm -rf "$work"' EXIT

failures=0
pass() { echo "ok:   $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() { # <what should hold> <command...>
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "not so: $what"; fi
}
expect_eq() { # <what> <actual> <expected>
    if [[ "$2" == "$3" ]]; then pass "$1"; else fail "$1: got '$2', expected '$3'"; fi
}

zip_name="memory-rhythms-${version}.zip"
out="$work/package"
# A file left from an earlier package must not stay.
mkdir -p "$out" && touch "$out/memory-rhythms-0.9.zip"

# 2023-11-14 22:13:20 UTC
export SOURCE_DATE_EPOCH=1700000000
expect "the package is made" mr_make_package "$version" "$out" "${saver[x64]}" "${setup[x64]}" \
    "${saver[x86]}" "${setup[x86]}"

expect_eq "the files of the package" "$(find "$out" -mindepth 1 -printf "%f\n" | sort | tr '\n' ' ')" \
    "SHA256SUMS memory-rhythms-${version}.zip memory-rhythms-setup-x64.exe memory-rhythms-setup-x86.exe "
expect_eq "the files SHA256SUMS covers" "$(awk '{ print $2 }' "$out/SHA256SUMS" | sort | tr '\n' ' ')" \
    "memory-rhythms-${version}.zip memory-rhythms-setup-x64.exe memory-rhythms-setup-x86.exe "
expect "SHA256SUMS matches the files" bash -c "cd '$out' && sha256sum --quiet -c SHA256SUMS"

expect_eq "the files in the zip" "$(zipinfo -1 "$out/$zip_name" | grep -v '/$' | sort | tr '\n' ' ')" \
    "INSTALL.txt LICENSE README.md x64/memory-rhythms.scr x86/memory-rhythms.scr "
# Each build in its place, and of its architecture: a swap would install a saver Windows refuses.
declare -A format=([x64]=pei-x86-64 [x86]=pei-i386)
for arch in x64 x86; do
    expect "memory-rhythms-setup-$arch.exe is the built $arch setup program" \
        cmp -s "${setup[$arch]}" "$out/memory-rhythms-setup-$arch.exe"
    expect "the zip's $arch/memory-rhythms.scr is the built $arch saver" \
        cmp -s <(unzip -p "$out/$zip_name" "$arch/memory-rhythms.scr") "${saver[$arch]}"
    expect "the $arch saver and setup program are ${format[$arch]} files" bash -c \
        "objdump -f '${saver[$arch]}' '${setup[$arch]}' | grep -c 'file format ${format[$arch]}$' | grep -qx 2"
done
expect "INSTALL.txt says which saver is for which Windows, in Windows line ends" bash -c \
    "unzip -p '$out/$zip_name' INSTALL.txt | tr -d '\r' | cmp -s - '$MR_ROOT/installer/INSTALL.txt' &&
     unzip -p '$out/$zip_name' INSTALL.txt | head -1 | grep -q \$'\r\$'"
expect "the zip's README.md is the project's" cmp -s <(unzip -p "$out/$zip_name" README.md) "$MR_ROOT/README.md"
expect "the zip's LICENSE is the project's" cmp -s <(unzip -p "$out/$zip_name" LICENSE) "$MR_ROOT/LICENSE"
expect "LICENSE is the MIT licence of the Memory Rhythms authors" \
    grep -qE '^Copyright \(c\) [0-9]{4} the Memory Rhythms authors$' "$MR_ROOT/LICENSE"
expect "LICENSE is the MIT licence" grep -qx 'MIT License' "$MR_ROOT/LICENSE"

# Same sources, same zip: every entry carries SOURCE_DATE_EPOCH, not the time of packing.
expect_eq "the zip's file times" "$(TZ=UTC zipinfo -T "$out/$zip_name" | awk '/^[-d]/ { print $(NF - 1) }' | sort -u)" \
    "20231114.221320"
# Nor the permissions of the checkout and the build (umask, the linker's execute bit).
expect_eq "the zip's file modes" "$(zipinfo "$out/$zip_name" | awk '/^-/ { print $1 }' | sort -u)" "-rw-r--r--"

if ((failures > 0)); then
    echo "package: $failures check(s) failed"
    exit 1
fi
echo "package: all checks passed"
