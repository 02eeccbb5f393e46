#!/usr/bin/env bash
# Builds faximport.exe and the selection benchmark, then runs the benchmark
# under Wine on a virtual display and prints its figures.
#   scripts/bench-wine.sh [entries]      (default 65535)
# It runs the build this host can execute, as scripts/demo.sh does
# (FAXIMPORT_ARCH=i686 or x86_64 asks for one). BUILD_DIR (default that
# build's tree) and WINEPREFIX (default inside it) may point elsewhere, e.g.
# to keep apart from another build on the same machine.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
wanted_arch="${FAXIMPORT_ARCH:-}"
unset FAXIMPORT_ARCH
if [ -n "${BUILD_DIR:-}" ]; then
    export WINEPREFIX="${WINEPREFIX:-$BUILD_DIR/wineprefix}"
fi

"$here/bootstrap.sh"
. "$here/wine-env.sh" "$wanted_arch"
build="${BUILD_DIR:-$FAXIMPORT_BUILD_DIR}"
cd "$root"
cmake --preset "$FAXIMPORT_WINDOWS_PRESET" -B "$build" >/dev/null
cmake --build "$build" -j2 --target selection_bench

bench_exe="$build/bench/wine/selection_bench.exe"

# The prefix and the run share one display.
exec "$here/headless.sh" bash -c '
    here=$1 arch=$2 bench=$3; shift 3
    "$here/wine-prefix.sh" "$arch" && wine "$bench" "$@"
' bench-run "$here" "$FAXIMPORT_ARCH" "$bench_exe" "$@"
