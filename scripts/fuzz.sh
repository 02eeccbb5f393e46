#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a set time (default 600 s),
# two at a time. New inputs land in build/fuzz/found/<target>; a crash leaves
# its input in build/fuzz/ — copy it into tests/fuzz/corpus/<target>/ so it
# stays a regression case.
#   scripts/fuzz.sh [seconds per target [target...]]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"

scripts/bootstrap.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

# The targets tests/fuzz/CMakeLists.txt builds, or those named after the seconds.
targets=()
for program in build/fuzz/tests/fuzz/*_fuzz; do
    name="$(basename "$program")"
    targets+=("${name%_fuzz}")
done
if (($# > 1)); then targets=("${@:2}"); fi
run_target() {
    local target=$1
    mkdir -p "build/fuzz/found/$target"
    (cd build/fuzz && "./tests/fuzz/${target}_fuzz" "found/$target" "../../tests/fuzz/corpus/$target" \
        -max_total_time="$seconds" -print_final_stats=1 >"fuzz-$target.log" 2>&1) \
        && echo "$target: no finding in $seconds s ($(grep -o 'stat::number_of_executed_units: *[0-9]*' "build/fuzz/fuzz-$target.log" | grep -o '[0-9]*$') runs)" \
        || { echo "$target: FINDING, see build/fuzz/fuzz-$target.log"; return 1; }
}

status=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
    pids=()
    for target in "${targets[@]:i:2}"; do
        run_target "$target" & pids+=($!)
    done
    for pid in "${pids[@]}"; do
        wait "$pid" || status=1
    done
done
exit $status
