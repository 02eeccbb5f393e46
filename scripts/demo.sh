#!/usr/bin/env bash
# Builds faximport.exe and its demo host, then shows an import.
#  - With a display: the demo host window opens; press "Import recipients..."
#    and click through the dialogs; the window then shows the export file.
#  - Without one: a scripted import of demo/sample.csv on a virtual display,
#    at 96 DPI and again at 144 DPI. Screenshots of every dialog go to
#    build/demo-screenshots/96dpi/ and 144dpi/ (PNG when ImageMagick's convert
#    is there, else BMP), and the export file and the command the host
#    received are printed.
# It runs the build this host can execute: i686 (build/windows) where 32-bit
# code runs, else x86_64 (build/windows-x64); FAXIMPORT_ARCH=x86_64 (or
# i686) asks for one.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"

"$here/bootstrap.sh"
cd "$root"
wanted_arch="${FAXIMPORT_ARCH:-}"
unset FAXIMPORT_ARCH
. "$here/wine-env.sh" "$wanted_arch"
if [ "$FAXIMPORT_HOST_RUNS_32BIT" = no ]; then
    if [ "$FAXIMPORT_ARCH" = i686 ]; then
        echo "demo: cannot run the i686 build: $FAXIMPORT_NO_32BIT_REASON" >&2
        exit 1
    fi
    echo "demo: running the x86_64 build: $FAXIMPORT_NO_32BIT_REASON"
fi
cmake --preset "$FAXIMPORT_WINDOWS_PRESET" >/dev/null
cmake --build --preset "$FAXIMPORT_WINDOWS_PRESET" -j2 --target faximport_demo
demo_exe="$FAXIMPORT_BUILD_DIR/demo/faximport_demo.exe"

if [ -n "${DISPLAY:-}" ]; then
    "$here/wine-prefix.sh" "$FAXIMPORT_ARCH"
    exec wine "$demo_exe"
fi

shots="$root/build/demo-screenshots"
rm -rf "$shots"

# One scripted import at the resolution given, its screenshots in a folder
# of that name. The prefix, the path conversion and the run share one
# virtual display.
scripted_import() {
    local dpi=$1 folder="$shots/${1}dpi" status
    mkdir -p "$folder/bmp"
    echo "== scripted import at $dpi DPI"
    set +e
    (
        export FAXIMPORT_DPI=$dpi
        . "$here/wine-env.sh" "$FAXIMPORT_ARCH"
        "$here/headless.sh" bash -c '
            here=$1 arch=$2 demo=$3 csv=$4 shots=$5
            "$here/wine-prefix.sh" "$arch" || exit 1
            wine "$demo" --auto "$(winepath -w "$csv")" "C:\\faximport-demo\\export.dat" "$(winepath -w "$shots")"
        ' demo-run "$here" "$FAXIMPORT_ARCH" "$demo_exe" "$root/demo/sample.csv" "$folder/bmp"
    )
    status=$?
    set -e
    if command -v convert >/dev/null 2>&1; then
        for bmp in "$folder"/bmp/*.bmp; do
            [ -e "$bmp" ] || continue
            convert "$bmp" "$folder/$(basename "${bmp%.bmp}").png" && rm "$bmp"
        done
    fi
    mv "$folder"/bmp/*.bmp "$folder"/ 2>/dev/null || true
    rmdir "$folder/bmp" 2>/dev/null || true
    if [ $status -ne 0 ]; then
        echo "demo: the $FAXIMPORT_ARCH demo at $dpi DPI under Wine ended with status $status (see the lines above; WINEDEBUG=err+all shows Wine's own errors)" >&2
    fi
    return $status
}

# 96 DPI is 100 % scaling; 144 DPI is the 150 % of many laptops.
status=0
for dpi in 96 144; do
    scripted_import $dpi || status=$?
done
echo "Screenshots: $shots"
ls "$shots"/*
exit $status
