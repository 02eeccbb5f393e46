#!/usr/bin/env bash
# Builds faximport.exe and the selection benchmark, then runs the benchmark
# under Wine on a virtual display and prints its figures.
#   scripts/bench-wine.sh [entries]      (default 65535)
# BUILD_DIR (default build/windows) and WINEPREFIX (default inside it) may
# point elsewhere, e.g. to keep apart from another build on the same machine.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="${BUILD_DIR:-$root/build/windows}"
export WINEPREFIX="${WINEPREFIX:-$build/wineprefix}"

"$here/bootstrap.sh"
cd "$root"
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" -j2 --target selection_bench

. "$here/wine-env.sh"
bench_exe="$build/bench/wine/selection_bench.exe"

# A wineserver left from another display would break window creation; the
# prefix and the run share one virtual display.
wineserver -k 2>/dev/null || true
set +e
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    here=$1 bench=$2; shift 2
    "$here/wine-prefix.sh" || exit 1
    wine "$bench" "$@"
    status=$?
    wineserver -k 2>/dev/null
    exit $status
' bench-run "$here" "$bench_exe" "$@"
status=$?
set -e
exit $status
