#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs each
# for the given time (default 60 s), one after the other at the lowest priority.
#   tools/fuzz.sh [seconds]
# Not part of CI. A finding stops the target and leaves its input as
# build-fuzz/crash-* (libFuzzer names it); add that input as a regular test.
# Each target's grown corpus stays in build-fuzz/corpus/<target>/ for the next run.
set -euo pipefail

seconds=${1:-60}
source "$(dirname "${BASH_SOURCE[0]}")/klimaro.sh"
# clang and its run-time libraries (libFuzzer) for this script only.
packages+=(clang libclang-rt-dev)
install_missing

build="$top/build-fuzz"
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$top" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKLIMARO_FUZZ=ON -DKLIMARO_BENCH=OFF -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$build" --target klimaro_fuzzers -j "$(nproc)"

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
status=0
cd "$build"
for fuzzer in fuzz/fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    # Seeds: the hand-written ones of the target and the sample files of examples/.
    seeds=()
    [ -d "$top/fuzz/corpus/$name" ] && seeds+=("$top/fuzz/corpus/$name")
    [ -d "$top/examples" ] && seeds+=("$top/examples")
    echo "== $name: $seconds s"
    if ! nice -n 19 "$fuzzer" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
            "$corpus" "${seeds[@]}" >"$build/$name.log" 2>&1; then
        status=1
    fi
    grep -E '^stat::number_of_executed_units|^#[0-9]+ +DONE|ERROR|SUMMARY|property failed|Test unit written' \
        "$build/$name.log" || true
done
exit $status
