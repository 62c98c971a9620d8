#!/usr/bin/env bash
# The release package step (scripts/lib/package.sh) on a built saver and setup program.
#
#   package_test.sh <saver.scr> <memory-rhythms-setup.exe> <version>
set -uo pipefail

if (($# != 3)); then
    echo "usage: $0 <saver.scr> <setup.exe> <version>" >&2
    exit 2
fi
saver=$1 setup=$2 version=$3
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
expect "the package is made" mr_make_package "$saver" "$setup" "$version" "$out"

expect_eq "the files of the package" "$(find "$out" -mindepth 1 -printf "%f\n" | sort | tr '\n' ' ')" \
    "SHA256SUMS memory-rhythms-${version}.zip memory-rhythms-setup.exe memory-rhythms.scr "
expect "memory-rhythms.scr is the built saver" cmp -s "$saver" "$out/memory-rhythms.scr"
expect "memory-rhythms-setup.exe is the built setup program" cmp -s "$setup" "$out/memory-rhythms-setup.exe"

expect_eq "the files SHA256SUMS covers" "$(awk '{ print $2 }' "$out/SHA256SUMS" | sort | tr '\n' ' ')" \
    "memory-rhythms-${version}.zip memory-rhythms-setup.exe memory-rhythms.scr "
expect "SHA256SUMS matches the files" bash -c "cd '$out' && sha256sum --quiet -c SHA256SUMS"

expect_eq "the files in the zip" "$(zipinfo -1 "$out/$zip_name" | sort | tr '\n' ' ')" \
    "LICENSE README.md memory-rhythms.scr "
expect "the zip's saver is the built saver" cmp -s <(unzip -p "$out/$zip_name" memory-rhythms.scr) "$saver"
expect "the zip's README.md is the project's" cmp -s <(unzip -p "$out/$zip_name" README.md) "$MR_ROOT/README.md"
expect "the zip's LICENSE is the project's" cmp -s <(unzip -p "$out/$zip_name" LICENSE) "$MR_ROOT/LICENSE"
expect "LICENSE is the MIT licence of the Memory Rhythms authors" \
    grep -qE '^Copyright \(c\) [0-9]{4} the Memory Rhythms authors$' "$MR_ROOT/LICENSE"
expect "LICENSE is the MIT licence" grep -qx 'MIT License' "$MR_ROOT/LICENSE"

# Same sources, same zip: every entry carries SOURCE_DATE_EPOCH, not the time of packing.
expect_eq "the zip's file times" "$(TZ=UTC zipinfo -T "$out/$zip_name" | awk '/^-/ { print $(NF - 1) }' | sort -u)" \
    "20231114.221320"
# Nor the permissions of the checkout and the build (umask, the linker's execute bit).
expect_eq "the zip's file modes" "$(zipinfo "$out/$zip_name" | awk '/^-/ { print $1 }' | sort -u)" "-rw-r--r--"

if ((failures > 0)); then
    echo "package: $failures check(s) failed"
    exit 1
fi
echo "package: all checks passed"
