#!/usr/bin/env bash
# Native benchmarks of the readers, each figure beside a baseline from the
# same run: the CSV reader against a memchr line count of the same buffer and
# against Python's csv module on the same file; the speed-dial reader against
# the CSV reader on a file of the same size.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc)" --target csv_reader_bench speed_dial_bench >/dev/null

file="$(mktemp "${TMPDIR:-/tmp}/faximport-bench-XXXXXX.csv")"
out="$(mktemp "${TMPDIR:-/tmp}/faximport-bench-XXXXXX.out")"
trap 'rm -f "$file" "$out"' EXIT
build/native/bench/csv_reader_bench 100 "$file" | tee "$out"
python3 bench/python_csv_reader.py "$file" | tee -a "$out"
reader=$(grep -o 'CSV reader: *[0-9.]*' "$out" | grep -o '[0-9.]*$')
python=$(grep -o 'python csv module: *[0-9.]*' "$out" | grep -o '[0-9.]*$')
awk -v r="$reader" -v p="$python" 'BEGIN { printf "ratio CSV reader/python csv throughput: %.1f\n", r / p }'
echo
build/native/bench/speed_dial_bench
