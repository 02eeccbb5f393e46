#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix, creating the
# prefix when it is missing and a virtual display when there is none.
#   scripts/wine-run.sh [i686|x86_64] program.exe [arguments]
# The architecture (CMake's emulator passes it) picks the prefix and loader;
# without it, the one wine-env.sh picks for this host.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
arch=""
case "${1:-}" in
    i686 | x86_64) arch="$1"; shift ;;
esac
. "$here/wine-env.sh" "$arch"

if [ -z "${DISPLAY:-}" ]; then
    exec "$here/headless.sh" "$0" "$FAXIMPORT_ARCH" "$@"
fi
"$here/wine-prefix.sh" "$FAXIMPORT_ARCH"
exec wine "$@"
