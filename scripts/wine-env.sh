# Sourced by the scripts that run Windows programs, with the architecture of
# the build to run as its argument: i686 (build/windows) or x86_64
# (build/windows-x64); without one, i686 where this host can run 32-bit code,
# else x86_64. Sets up Wine for it: a prefix of its own inside that build tree
# (a 32-bit and a 64-bit prefix cannot be shared), quiet, with no Gecko/Mono
# prompts, and for x86_64 the 64-bit loader. Also sets
#   FAXIMPORT_ARCH            the architecture chosen
#   FAXIMPORT_WINDOWS_PRESET  its CMake preset (windows or windows-x64)
#   FAXIMPORT_BUILD_DIR       its build tree
# FAXIMPORT_DPI (default 96) is the screen resolution Wine reports to the
# programs; any other value has a prefix of its own (wineprefix-144dpi).
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$repo_root/scripts/host-arch.sh"

requested_arch="${1:-}"
if [ -z "$requested_arch" ]; then
    if [ "$FAXIMPORT_HOST_RUNS_32BIT" = yes ]; then requested_arch=i686; else requested_arch=x86_64; fi
fi
case "$requested_arch" in
    i686) FAXIMPORT_WINDOWS_PRESET=windows ;;
    x86_64) FAXIMPORT_WINDOWS_PRESET=windows-x64 ;;
    *) echo "wine-env.sh: unknown architecture '$requested_arch' (i686 or x86_64)" >&2; return 2 ;;
esac
FAXIMPORT_BUILD_DIR="$repo_root/build/$FAXIMPORT_WINDOWS_PRESET"

FAXIMPORT_DPI="${FAXIMPORT_DPI:-96}"
case "$FAXIMPORT_DPI" in
    '' | *[!0-9]*) echo "wine-env.sh: FAXIMPORT_DPI must be a number, not '$FAXIMPORT_DPI'" >&2; return 2 ;;
esac

# A prefix given from outside is kept; one chosen here follows the
# architecture and resolution asked for.
if [ -z "${WINEPREFIX:-}" ] || [ "$WINEPREFIX" = "${FAXIMPORT_OWN_PREFIX:-}" ]; then
    WINEPREFIX="$FAXIMPORT_BUILD_DIR/wineprefix"
    [ "$FAXIMPORT_DPI" = 96 ] || WINEPREFIX="$WINEPREFIX-${FAXIMPORT_DPI}dpi"
    FAXIMPORT_OWN_PREFIX="$WINEPREFIX"
fi
FAXIMPORT_ARCH="$requested_arch"
export FAXIMPORT_ARCH FAXIMPORT_WINDOWS_PRESET FAXIMPORT_BUILD_DIR WINEPREFIX FAXIMPORT_DPI FAXIMPORT_OWN_PREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

if [ "$FAXIMPORT_ARCH" = i686 ]; then
    export WINEARCH=win32
else
    export WINEARCH=win64
    # Debian's wine, wine-stable, winepath and wineboot all end up in the
    # 32-bit loader whenever it is installed, even where it cannot run.
    # Small wine and wine-stable commands early on PATH send them, and
    # CMake's emulator, to the 64-bit loader.
    export WINELOADER=/usr/lib/wine/wine64
    wine64_bin="$repo_root/build/wine64-bin"
    if [ ! -x "$wine64_bin/wine-stable" ]; then
        mkdir -p "$wine64_bin"
        for command in wine wine-stable; do
            printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$wine64_bin/$command"
            chmod +x "$wine64_bin/$command"
        done
    fi
    case ":$PATH:" in
        *":$wine64_bin:"*) ;;
        *) export PATH="$wine64_bin:$PATH" ;;
    esac
fi
