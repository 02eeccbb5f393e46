# Sourced: finds out once whether this host can execute 32-bit code and sets
#   FAXIMPORT_HOST_RUNS_32BIT   yes or no
#   FAXIMPORT_NO_32BIT_REASON   why not, in one line (empty when it can)
# Some kernels (certain virtual machines and sandboxes) cannot execute 32-bit
# programs at all, although Debian installs the 32-bit Wine loader happily:
# the loader is run to find out. FAXIMPORT_NO_32BIT=1 makes a host that can
# run 32-bit code behave as one that cannot, to try the 64-bit-only path.
if [ -z "${FAXIMPORT_HOST_RUNS_32BIT:-}" ]; then
    FAXIMPORT_NO_32BIT_REASON=""
    if [ -n "${FAXIMPORT_NO_32BIT:-}" ]; then
        FAXIMPORT_NO_32BIT_REASON="FAXIMPORT_NO_32BIT is set"
    elif [ ! -x /usr/lib/wine/wine ]; then
        FAXIMPORT_NO_32BIT_REASON="the 32-bit Wine loader /usr/lib/wine/wine is not installed"
    elif ! probe="$(/usr/lib/wine/wine --version 2>&1)"; then
        FAXIMPORT_NO_32BIT_REASON="this host cannot execute 32-bit code (/usr/lib/wine/wine --version: ${probe##*: })"
    fi
    if [ -z "$FAXIMPORT_NO_32BIT_REASON" ]; then
        FAXIMPORT_HOST_RUNS_32BIT=yes
    else
        FAXIMPORT_HOST_RUNS_32BIT=no
    fi
    export FAXIMPORT_HOST_RUNS_32BIT FAXIMPORT_NO_32BIT_REASON
fi
