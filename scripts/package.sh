#!/usr/bin/env bash
# Builds both Windows programs and writes the release packages:
#   build/dist/faximport-<version>-x86.zip   (i686, for 32-bit Outlook)
#   build/dist/faximport-<version>-x64.zip   (x86_64, for 64-bit Outlook)
# each holding faximport.exe (debug symbols stripped), its help faximport.chm,
# README.txt, and for administrators the company directory's policy template
# (policy/faximport.admx, policy/en-US/faximport.adml) and a .reg example.
# The version is the project version in CMakeLists.txt.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"

"$here/bootstrap.sh"
cd "$root"
dist="$root/build/dist"
mkdir -p "$dist"

package() {
    local preset=$1 triple=$2 label=$3 arch_label=$4
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)" --target faximport faximport_help
    local build="$root/build/$preset"
    local version
    version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
    local staging="$build/package"
    rm -rf "$staging"
    mkdir -p "$staging"
    "$triple-strip" -o "$staging/faximport.exe" "$build/faximport.exe"
    sed -e "s/@VERSION@/$version/g" -e "s/@ARCH_LABEL@/$arch_label/g" packaging/README.txt.in |
        sed 's/$/\r/' >"$staging/README.txt"
    local zip="$dist/faximport-$version-$label.zip"
    rm -f "$zip"
    cp "$build/faximport.chm" "$staging/faximport.chm"
    cp -r packaging/policy "$staging/policy"
    sed 's/\r*$/\r/' packaging/directory-example.reg >"$staging/directory-example.reg"
    (cd "$staging" && zip -q -X -r "$zip" faximport.exe faximport.chm README.txt policy directory-example.reg)
    echo "$zip"
}

package windows i686-w64-mingw32 x86 "32-bit"
package windows-x64 x86_64-w64-mingw32 x64 "64-bit"
