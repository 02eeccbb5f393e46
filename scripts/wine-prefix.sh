#!/usr/bin/env bash
# Creates the project's Wine prefix for one architecture (argument as for
# wine-env.sh) once and applies the settings the tests rely on. Safe to run
# again: an existing prefix is only re-checked. The resolution Wine reports
# (FAXIMPORT_DPI, see wine-env.sh) is set when the prefix is made.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh" "${1:-}"

if [ ! -f "$WINEPREFIX/.faximport-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # Xvfb has no window manager: unmanaged windows close without a 2 s wait.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # A crashing program must not leave a dialog behind in a test run.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # Wine's "Screen resolution" setting, as winecfg writes it.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$FAXIMPORT_DPI" /f >/dev/null 2>&1
    wineserver -w
    if ! wine reg query 'HKCU\Software\Wine\X11 Driver' /v Managed >/dev/null 2>&1 ||
        ! wine reg query 'HKCU\Control Panel\Desktop' /v LogPixels >/dev/null 2>&1; then
        echo "wine-prefix.sh: could not set up the $FAXIMPORT_ARCH Wine prefix $WINEPREFIX" >&2
        exit 1
    fi
    touch "$WINEPREFIX/.faximport-ready"
fi
