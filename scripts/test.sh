#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the portable core
# natively, again under AddressSanitizer and UndefinedBehaviorSanitizer, the
# fuzz targets briefly over their corpora, and the Windows build (unit and
# end-to-end tests) under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh

werror=()
if [ -n "${CI:-}" ]; then
    werror=(-DFAXIMPORT_WERROR=ON)
fi
jobs="$(nproc)"

for preset in native native-asan fuzz windows; do
    echo "== $preset: configure and build"
    cmake --preset "$preset" "${werror[@]}" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

for preset in native native-asan fuzz; do
    echo "== $preset: tests"
    ctest --preset "$preset"
done

echo "== windows: tests under Wine"
. scripts/wine-env.sh

# A full disk for the export test: a small file system holding an earlier
# export file and filled to the last block. Needs root; skipped otherwise.
full_disk="$PWD/build/windows/full-disk"
if [ "$(id -u)" -eq 0 ] && mkdir -p "$full_disk" &&
    { mountpoint -q "$full_disk" || mount -t tmpfs -o size=64k tmpfs "$full_disk" 2>/dev/null; }; then
    rm -f "$full_disk"/*
    printf 'earlier export' >"$full_disk/export.dat"
    dd if=/dev/zero of="$full_disk/filler" bs=4096 2>/dev/null || true
    export FAXIMPORT_TEST_FULL_DISK="Z:${full_disk//\//\\}"
    trap 'umount "$full_disk" 2>/dev/null || true' EXIT
fi
windows_tests='scripts/wine-prefix.sh && ctest --preset windows'
if [ -n "${DISPLAY:-}" ]; then
    bash -c "$windows_tests"
else
    # One virtual display and one wineserver for the whole run.
    wineserver -k 2>/dev/null || true
    status=0
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$windows_tests" || status=$?
    wineserver -k 2>/dev/null || true
    exit $status
fi
