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
    cp "$saver" "$staging/memory-rhythms.scr" &&
        cp "$MR_ROOT/README.md" "$MR_ROOT/LICENSE" "$staging/" &&
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
