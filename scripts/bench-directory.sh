#!/usr/bin/env bash
# Times the company directory against a CSV file of the same 10,000 entries
# under Wine: builds faximport.exe and the directory benchmark, starts the
# local directory server (scripts/directory-server.sh) in the build tree,
# runs the benchmark on a virtual display and stops the server again.
#   scripts/bench-directory.sh [runs]      (default 5)
# It runs the build this host can execute, as scripts/demo.sh does
# (FAXIMPORT_ARCH=i686 or x86_64 asks for one).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
wanted_arch="${FAXIMPORT_ARCH:-}"
unset FAXIMPORT_ARCH

"$here/bootstrap.sh"
. "$here/wine-env.sh" "$wanted_arch"
build="$FAXIMPORT_BUILD_DIR"
cd "$root"
cmake --preset "$FAXIMPORT_WINDOWS_PRESET" >/dev/null
cmake --build "$build" -j2 --target directory_bench

server="$build/directory-server-bench"
"$here/directory-server.sh" start "$server" >/dev/null
trap '"$here/directory-server.sh" stop "$server"' EXIT
port="$(cat "$server/server.port")"

"$here/headless.sh" bash -c '
    here=$1 arch=$2 bench=$3; shift 3
    "$here/wine-prefix.sh" "$arch" && wine "$bench" "$@"
' bench-run "$here" "$FAXIMPORT_ARCH" "$build/bench/wine/directory_bench.exe" "$port" "$@"
