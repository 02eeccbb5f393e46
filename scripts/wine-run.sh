#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix, creating the
# prefix when it is missing and a virtual display when there is none.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-env.sh"

if [ -z "${DISPLAY:-}" ]; then
    # A wineserver left from another display would break window creation.
    wineserver -k 2>/dev/null || true
    set +e
    xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
    rc=$?
    wineserver -k 2>/dev/null
    exit $rc
fi
"$here/wine-prefix.sh"
exec wine "$@"
