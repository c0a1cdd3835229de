#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a bounded time,
# starting from the seed corpus in fuzz/corpus/<target>/ (which also keeps the inputs of past
# findings as regression cases). Fails on the first finding and says where its input was saved.
#
#   fuzz/run.sh [seconds per target]     (default 60)
#
# FUZZ_TARGETS limits the run to some targets (space-separated names).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

seconds=${1:-60}
if [[ ! $seconds =~ ^[0-9]+$ ]]; then
    echo "usage: fuzz/run.sh [seconds per target]" >&2
    exit 2
fi
if ! command -v clang++ >/dev/null 2>&1; then
    echo "fuzz/run.sh: clang++ not found; install clang and libclang-rt-14-dev: scripts/setup.sh" >&2
    exit 1
fi

build="build-fuzz"
read -ra targets <<<"${FUZZ_TARGETS:-read_number_fuzz rgb_fields_fuzz converters_fuzz theme_file_fuzz}"

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTINTWELL_FUZZ=ON -DTINTWELL_TESTS=OFF >/dev/null ||
    { echo "fuzz/run.sh: configuring $build/ failed" >&2; exit 1; }
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" ||
    { echo "fuzz/run.sh: building the fuzz targets failed" >&2; exit 1; }

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
for target in "${targets[@]}"; do
    # New inputs go to a scratch corpus; the seeds in the repo stay as they are.
    work="$build/corpus/$target"
    artifacts="$build/findings/$target"
    mkdir -p "$work" "$artifacts"
    echo "fuzz/run.sh: $target for ${seconds} s"
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=4096 -print_final_stats=1 -artifact_prefix="$artifacts/" \
        "$work" "fuzz/corpus/$target" >"$build/$target.log" 2>&1; then
        tail -n 60 "$build/$target.log" >&2
        echo "fuzz/run.sh: FINDING in $target; input saved in $artifacts/ (full log: $build/$target.log)" >&2
        echo "fuzz/run.sh: reproduce with $build/fuzz/$target <input>" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$build/$target.log" || true
done
echo "fuzz/run.sh: no findings"
