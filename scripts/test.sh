#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the portable core
# natively, again under AddressSanitizer and UndefinedBehaviorSanitizer, the
# fuzz targets briefly over their corpora, and the Windows builds (unit and
# end-to-end tests) under Wine.
#
# Both Windows builds are always built, i686 (build/windows) and x86_64
# (build/windows-x64). Their tests run for every architecture this host can
# execute: both where 32-bit code runs, x86_64 alone where it does not (a
# line says so). FAXIMPORT_NO_32BIT=1 takes the 64-bit-only path on any host.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh

jobs="$(nproc)"

scripts/check-format.sh

# Every build here treats warnings as errors, on a newcomer's machine as in CI.
for preset in native native-asan fuzz windows windows-x64; do
    echo "== $preset: configure and build"
    cmake --preset "$preset" -DFAXIMPORT_WERROR=ON >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

for preset in native native-asan fuzz; do
    echo "== $preset: tests"
    ctest --preset "$preset"
done

. scripts/host-arch.sh
windows_archs=(x86_64)
if [ "$FAXIMPORT_HOST_RUNS_32BIT" = yes ]; then
    windows_archs=(i686 x86_64)
else
    echo "== windows (i686): tests skipped, built only: $FAXIMPORT_NO_32BIT_REASON"
fi
# Each architecture's tests use their own prefix and loader.
unset WINEPREFIX FAXIMPORT_ARCH FAXIMPORT_DPI

# A full disk for the export test: a small file system holding an earlier
# export file and filled to the last block. Needs root; skipped otherwise.
full_disk="$PWD/build/full-disk"
full_disk_mounted=no
prepare_full_disk() {
    [ "$(id -u)" -eq 0 ] && mkdir -p "$full_disk" || return 0
    if ! mountpoint -q "$full_disk"; then
        mount -t tmpfs -o size=64k tmpfs "$full_disk" 2>/dev/null || return 0
        full_disk_mounted=yes
    fi
    rm -f "$full_disk"/*
    printf 'earlier export' >"$full_disk/export.dat"
    dd if=/dev/zero of="$full_disk/filler" bs=4096 2>/dev/null || true
    export FAXIMPORT_TEST_FULL_DISK="Z:${full_disk//\//\\}"
}

# The Windows tests of one architecture under Wine at one resolution (96 or
# 144 DPI, each in a prefix of its own), with one display and one wineserver
# for the run; further arguments go to ctest. The dialog tests save the
# dialogs they measured to build/layout-screenshots/<arch>-<dpi>dpi/.
windows_tests() {
    local arch=$1 dpi=$2 what=$3
    shift 3
    (
        export FAXIMPORT_DPI=$dpi
        . scripts/wine-env.sh "$arch"
        echo "== $FAXIMPORT_WINDOWS_PRESET ($arch): $what"
        local shots="$PWD/build/layout-screenshots/$arch-${dpi}dpi"
        rm -rf "$shots" && mkdir -p "$shots"
        export FAXIMPORT_LAYOUT_SHOTS="Z:${shots//\//\\}"
        scripts/headless.sh bash -c 'scripts/wine-prefix.sh "$1" && shift && ctest --preset "$@"' \
            windows-tests "$arch" "$FAXIMPORT_WINDOWS_PRESET" "$@"
    )
}

# On the way out, also when interrupted: the full disk goes, and so does a
# directory server an interrupted ctest run could not stop (the end-to-end
# tests' runs start and stop their own, scripts/directory-server.sh).
finish() {
    local preset
    [ "$full_disk_mounted" = no ] || umount "$full_disk" 2>/dev/null || true
    for preset in windows windows-x64; do
        scripts/directory-server.sh stop "build/$preset/directory-server" || true
    done
}
trap finish EXIT

status=0
for arch in "${windows_archs[@]}"; do
    prepare_full_disk
    windows_tests "$arch" 96 "tests under Wine" || status=$?
    # The dialog layouts again at 150 % scaling.
    windows_tests "$arch" 144 "dialog tests at 144 DPI" -R dialog_tests || status=$?
done
exit $status
