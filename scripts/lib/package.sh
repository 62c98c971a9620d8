# shellcheck shell=bash
# The release package, from files already built. Source it; scripts/package builds them first.

# The files of the zip besides the two savers, from the source tree.
MR_ZIP_DOCUMENTS=(README.md LICENSE)

# mr_make_package <version> <output folder> <x64 saver.scr> <x64 setup.exe> <x86 saver.scr>
#                 <x86 setup.exe>
# Empties the output folder and puts into it: memory-rhythms-setup-x64.exe,
# memory-rhythms-setup-x86.exe, memory-rhythms-<version>.zip (x64/memory-rhythms.scr,
# x86/memory-rhythms.scr, INSTALL.txt on which to use where, README.md and LICENSE) and SHA256SUMS
# of the three. The zip's file times are SOURCE_DATE_EPOCH, or the last commit's, so that the same
# sources give the same zip.
mr_make_package() {
    local version=$1 out=$2 saver_x64=$3 setup_x64=$4 saver_x86=$5 setup_x86=$6
    local zip_name="memory-rhythms-${version}.zip" stamp staging
    stamp=${SOURCE_DATE_EPOCH:-$(git -C "$MR_ROOT" log -1 --format=%ct 2>/dev/null || date +%s)}
    rm -rf "$out" || return 1
    mkdir -p "$out" || return 1
    staging=$(mktemp -d) || return 1
    # Fixed modes as well as times: the zip keeps them, and a checkout's follow its umask. The
    # text for Windows users has Windows line ends, which every Notepad shows as lines.
    mkdir "$staging/x64" "$staging/x86" &&
        cp "$saver_x64" "$staging/x64/memory-rhythms.scr" &&
        cp "$saver_x86" "$staging/x86/memory-rhythms.scr" &&
        sed 's/$/\r/' "$MR_ROOT/installer/INSTALL.txt" >"$staging/INSTALL.txt" &&
        (cd "$MR_ROOT" && cp "${MR_ZIP_DOCUMENTS[@]}" "$staging/") &&
        chmod 755 "$staging/x64" "$staging/x86" &&
        find "$staging" -type f -exec chmod 644 {} + &&
        find "$staging" -exec touch -d "@$stamp" {} + &&
        (cd "$staging" && TZ=UTC zip -q -X -D "$zip_name" INSTALL.txt x64/memory-rhythms.scr \
            x86/memory-rhythms.scr "${MR_ZIP_DOCUMENTS[@]}") &&
        mv "$staging/$zip_name" "$out/" &&
        cp "$setup_x64" "$out/memory-rhythms-setup-x64.exe" &&
        cp "$setup_x86" "$out/memory-rhythms-setup-x86.exe" &&
        (cd "$out" && sha256sum memory-rhythms-setup-x64.exe memory-rhythms-setup-x86.exe \
            "$zip_name" >SHA256SUMS)
    local status=$?
    rm -rf "$staging"
    return "$status"
}

# True when the environment names a certificate to sign with (scripts/lib/sign-pe says how).
mr_signing_configured() {
    [[ -n "${MR_SIGN_PKCS12:-}" ]]
}

# mr_make_signed <x86|x64> <saver.scr> <version> <output folder>
# Puts into the output folder a signed copy of the saver, memory-rhythms.scr, and a setup program
# made from that copy, memory-rhythms-setup-<arch>.exe, which is signed along with the uninstaller
# it carries. The same NSIS script as the build's setup target, given the signer.
mr_make_signed() {
    local arch=$1 saver=$2 version=$3 out=$4
    mkdir -p "$out" &&
        cp "$saver" "$out/memory-rhythms.scr" &&
        "$MR_ROOT/scripts/lib/sign-pe" "$out/memory-rhythms.scr" "Memory Rhythms screen saver" &&
        makensis -V2 -WX -DARCH="$arch" -DSCR_FILE="$out/memory-rhythms.scr" -DVERSION="$version" \
            -DOUT_FILE="$out/memory-rhythms-setup-$arch.exe" \
            -DSIGN_COMMAND="$MR_ROOT/scripts/lib/sign-pe" "$MR_ROOT/installer/memory-rhythms.nsi"
}
