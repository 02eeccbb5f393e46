#!/usr/bin/env bash
# Builds faximport.exe and its demo host, then shows an import.
#  - With a display: the demo host window opens; press "Import recipients..."
#    and click through the dialogs; the window then shows the export file.
#  - Without one: a scripted import of demo/sample.csv on a virtual display.
#    Screenshots of every dialog go to build/demo-screenshots/ (PNG when
#    ImageMagick's convert is there, else BMP), and the export file and the
#    command the host received are printed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"

"$here/bootstrap.sh"
cd "$root"
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target faximport_demo

. "$here/wine-env.sh"
demo_exe="$root/build/windows/demo/faximport_demo.exe"

if [ -n "${DISPLAY:-}" ]; then
    "$here/wine-prefix.sh"
    exec wine "$demo_exe"
fi

shots="$root/build/demo-screenshots"
rm -rf "$shots"
mkdir -p "$shots/bmp"

# A wineserver left from another display would break window creation; the
# prefix, the path conversion and the run all share one virtual display.
wineserver -k 2>/dev/null || true
set +e
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    here=$1 demo=$2 csv=$3 shots=$4
    "$here/wine-prefix.sh" || exit 1
    wine "$demo" --auto "$(winepath -w "$csv")" "C:\\faximport-demo\\export.dat" "$(winepath -w "$shots")"
    status=$?
    wineserver -k 2>/dev/null
    exit $status
' demo-run "$here" "$demo_exe" "$root/demo/sample.csv" "$shots/bmp"
status=$?
set -e

if command -v convert >/dev/null 2>&1; then
    for bmp in "$shots"/bmp/*.bmp; do
        [ -e "$bmp" ] || continue
        name="$(basename "${bmp%.bmp}")"
        convert "$bmp" "$shots/$name.png" && rm "$bmp"
    done
fi
mv "$shots"/bmp/*.bmp "$shots"/ 2>/dev/null || true
rmdir "$shots/bmp" 2>/dev/null || true
echo "Screenshots: $shots"
ls "$shots"
exit $status
