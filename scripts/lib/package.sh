# shellcheck shell=bash
# The release package, from files already built. Source it; scripts/package builds them first.

# mr_make_package <saver.scr> <setup.exe> <version> <output folder>
# Empties the output folder and puts into it: memory-rhythms.scr, memory-rhythms-setup.exe,
# memory-rhythms-<version>.zip (the saver, README.md and LICENSE) and SHA256SUMS of the three.
# The zip's file times are SOURCE_DATE_EPOCH, or the last commit's, so that the same sources give
# the same zip.
mr_make_package() {
    local saver=$1 setup=$2 version=$3 out=$4
    local zip_name="memory-rhythms-${version}.zip" stamp staging
    stamp=${SOURCE_DATE_EPOCH:-$(git -C "$MR_ROOT" log -1 --format=%ct 2>/dev/null || date +%s)}
    rm -rf "$out" || return 1
    mkdir -p "$out" || return 1
    staging=$(mktemp -d) || return 1
    # Fixed modes as well as times: the zip keeps them, and a checkout's follow its umask.
    cp "$saver" "$staging/memory-rhythms.scr" &&
        cp "$MR_ROOT/README.md" "$MR_ROOT/LICENSE" "$staging/" &&
        chmod 644 "$staging/"* &&
        touch -d "@$stamp" "$staging/"* &&
        (cd "$staging" && TZ=UTC zip -q -X -D "$zip_name" memory-rhythms.scr README.md LICENSE) &&
        mv "$staging/$zip_name" "$out/" &&
        cp "$saver" "$out/memory-rhythms.scr" &&
        cp "$setup" "$out/memory-rhythms-setup.exe" &&
        (cd "$out" && sha256sum memory-rhythms.scr memory-rhythms-setup.exe "$zip_name" >SHA256SUMS)
    local status=$?
    rm -rf "$staging"
    return "$status"
}

# True when the environment names a certificate to sign with (scripts/lib/sign-pe says how).
mr_signing_configured() {
    [[ -n "${MR_SIGN_PKCS12:-}" ]]
}

# mr_make_signed <saver.scr> <version> <output folder>
# Puts into the output folder a signed copy of the saver, memory-rhythms.scr, and a setup program
# made from that copy, memory-rhythms-setup.exe, which is signed along with the uninstaller it
# carries. The same NSIS script as the build's setup target, given the signer.
mr_make_signed() {
    local saver=$1 version=$2 out=$3
    mkdir -p "$out" &&
        cp "$saver" "$out/memory-rhythms.scr" &&
        "$MR_ROOT/scripts/lib/sign-pe" "$out/memory-rhythms.scr" "Memory Rhythms screen saver" &&
        makensis -V2 -WX -DSCR_FILE="$out/memory-rhythms.scr" -DVERSION="$version" \
            -DOUT_FILE="$out/memory-rhythms-setup.exe" -DSIGN_COMMAND="$MR_ROOT/scripts/lib/sign-pe" \
            "$MR_ROOT/installer/memory-rhythms.nsi"
}
