#!/usr/bin/env bash
# Checks that every C++ file of the tree is formatted as .clang-format says;
# `scripts/check-format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/dev/null; then
    clang-format --dry-run "${files[@]}" 2>&1 | grep 'warning:' | cut -d: -f1 | sort -u | sed 's/^/not formatted: /'
    echo "format: run scripts/check-format.sh --fix" >&2
    exit 1
fi
echo "format: every C++ file as .clang-format says"
