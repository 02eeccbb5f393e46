#!/usr/bin/env bash
# Checks the floors the code stands on. Each folder includes only from its
# own folder (win32/ parts included) and from the floors below it:
#   help
#   framework  res
#   core
#   ui
#   csv  speeddial  addrbook  directory  dialogs
#   app
#   testkit  tests/support  tests/doubles
#   tests/unit  tests/fuzz  tests/dialogs  tests/e2e  demo  bench
# Portable code, which builds natively as well, includes nothing of Windows:
# no Windows header, nothing from framework/, ui/, res/, testkit/ or a win32/
# part. Portable are core/ and help/, the other product folders outside their
# win32/ parts, tests/unit, tests/fuzz, tests/support and bench/ outside
# bench/wine/. core/ has no win32/ part at all.
# Prints what it checked and each include that breaks a rule; fails on one.
set -euo pipefail
cd "$(dirname "$0")/.."

floors=(
    "help"
    "framework res"
    "core"
    "ui"
    "csv speeddial addrbook directory dialogs"
    "app"
    "testkit tests/support tests/doubles"
    "tests/unit tests/fuzz tests/dialogs tests/e2e demo bench"
)
portable=(core help csv speeddial addrbook directory dialogs app tests/unit tests/fuzz tests/support bench)
windows_headers='windows|win[a-z0-9_]*|commctrl|commdlg|shellapi|shlobj|shlwapi|objbase|ole2|oleauto|unknwn|mapi[a-z0-9_]*|wab[a-z0-9_]*|htmlhelp|tlhelp32|tchar|rpc[a-z0-9_]*|richedit|dbghelp|psapi|mmsystem|uxtheme|dwmapi|imm|io|process|direct|conio'

# The floor of a folder, or of the folder an include names by its first
# part ("support/..." is tests/support, found through the tests' include
# path); nothing for a generated or local header.
floor_of() {
    local name=$1
    case "$name" in support) name=tests/support ;; esac
    local i
    for i in "${!floors[@]}"; do
        case " ${floors[$i]} " in *" $name "*) echo "$i" && return ;; esac
    done
}

sources() { find "$@" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.rc' \) | sort; }

status=0
fail() {
    echo "$1"
    status=1
}

# Every folder with code has a floor.
while IFS= read -r folder; do
    [ -n "$(floor_of "$folder")" ] || fail "$folder: a folder with code but no floor in scripts/check-layers.sh"
done < <(sources . -not -path './build/*' -not -path './.*' | sed -E 's#^\./##; s#^(tests/[^/]+|[^/]+)/.*#\1#' | sort -u)

folders=0
files=0
includes=0
for floor in "${floors[@]}"; do
    for folder in $floor; do
        own=$(floor_of "$folder")
        folders=$((folders + 1))
        files=$((files + $(sources "$folder" | wc -l)))
        while IFS=: read -r file line included; do
            includes=$((includes + 1))
            target=${included%%/*}
            [ "$target" = "$folder" ] && continue
            [ "tests/$target" = "$folder" ] && continue
            theirs=$(floor_of "$target")
            [ -z "$theirs" ] && continue
            [ "$theirs" -lt "$own" ] || fail "$file:$line: $folder includes from $target, which is not below it"
        done < <(sources "$folder" | xargs grep -noE '#include "[a-z_]+/[^"]+"' | sed -E 's/#include "([^"]+)"/\1/')
    done
done
echo "layers: $includes includes in $files files of $folders folders, each from its own folder or a floor below:"
for floor in "${floors[@]}"; do
    echo "    $floor"
done

portable_files=0
for folder in "${portable[@]}"; do
    while IFS= read -r file; do
        portable_files=$((portable_files + 1))
        while IFS=: read -r line included; do
            fail "$file:$line: portable code includes $included"
        done < <(grep -noE "#include (<($windows_headers)\.h>|\"(framework|ui|res|testkit)/[^\"]+\"|\"[^\"]*win32/[^\"]+\")" "$file" |
            sed -E 's/#include //')
    done < <(sources "$folder" -not -path '*/win32/*' -not -path 'bench/wine/*')
done
echo "portable: $portable_files files of ${portable[*]} (outside win32/ and bench/wine/) include no Windows header, nothing from framework/, ui/, res/, testkit/ or a win32/ part"

if [ -e core/win32 ]; then
    fail "core/win32: the core is portable and has no win32/ part"
else
    echo "core: no win32/ part"
fi

[ $status -eq 0 ] || echo "layers: the includes above break the floors" >&2
exit $status
