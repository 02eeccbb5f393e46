#!/usr/bin/env bash
# Checks that the program's folders include only from the layers below them
# (or from themselves, win32/ parts included):
#   help  <  framework, res  <  core  <  csv, speeddial, addrbook, directory, dialogs  <  app
# Prints each include that breaks the order and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

rank() {
    case "$1" in
        help) echo -1 ;;
        framework | res) echo 0 ;;
        core) echo 1 ;;
        csv | speeddial | addrbook | directory | dialogs) echo 2 ;;
        app) echo 3 ;;
        *) echo "" ;;
    esac
}

status=0
for folder in help framework res core csv speeddial addrbook directory dialogs app; do
    own=$(rank "$folder")
    while IFS=: read -r file line included; do
        target="${included%%/*}"
        theirs=$(rank "$target")
        [ -z "$theirs" ] && continue # generated or local headers
        if [ "$target" != "$folder" ] && [ "$theirs" -ge "$own" ]; then
            echo "$file:$line: $folder includes from $target, which is not below it"
            status=1
        fi
    done < <(grep -rnoE '#include "[a-z_]+/[^"]+"' "$folder" | sed -E 's/#include "([^"]+)"/\1/')
done
[ $status -eq 0 ] && echo "layers: every folder includes only from below itself"
exit $status
