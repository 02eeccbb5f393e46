#!/usr/bin/env bash
# Creates the project's Wine prefix once and applies the settings the tests
# rely on. Safe to run again: an existing prefix is only re-checked.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"

if [ ! -f "$WINEPREFIX/.faximport-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # Xvfb has no window manager: unmanaged windows close without a 2 s wait.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # A crashing program must not leave a dialog behind in a test run.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.faximport-ready"
fi
