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
