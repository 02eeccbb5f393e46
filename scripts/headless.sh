#!/usr/bin/env bash
# Runs a command where Wine can show windows: as it is when there is a
# display, else on a virtual one (Xvfb). A wineserver left from another
# display would break window creation, so one is ended before the command,
# and the command's own is ended before its virtual display goes.
#   scripts/headless.sh command [arguments...]
set -uo pipefail
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
wineserver -k 2>/dev/null || true
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '"$@"; status=$?; wineserver -k 2>/dev/null; exit $status' \
    headless "$@"
