#!/usr/bin/env bash
# Startup benchmark: time from process start to the main window being mapped, and resident
# memory 2 s later, over N runs (default 5) on a private virtual display.
#
#   bench/startup.sh [runs]
#
# BUILD_DIR selects the build tree (default build/). Prints every run and the medians; it has
# no pass/fail threshold.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

runs=${1:-5}
if [[ ! $runs =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: bench/startup.sh [runs]" >&2
    exit 2
fi
build=${BUILD_DIR:-build}
for exe in "$build/tintwell" "$build/tintwell-startup-probe"; do
    if [[ ! -x $exe ]]; then
        echo "startup.sh: $exe is missing; build first: cmake -S . -B $build && cmake --build $build" >&2
        exit 1
    fi
done

results=$(mktemp)
trap 'rm -f "$results"' EXIT

# One display for all runs; each run is a fresh process.
bash tests/e2e/with_xvfb.sh bash -c '
    for ((i = 1; i <= $1; i++)); do
        line=$("$2/tintwell-startup-probe" "$2/tintwell" "Tintwell v7" 2000 10000)
        rc=$?
        echo "run $i: $line"
        if ((rc != 0)); then
            echo "startup.sh: run $i failed (exit status $rc)" >&2
            exit 1
        fi
    done' bench "$runs" "$build" | tee "$results"

median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
field() { sed -n "s/.*$1=\\([0-9.]*\\).*/\\1/p" "$results"; }

echo "median over $runs runs: map_ms=$(field map_ms | median) rss_kib=$(field rss_kib | median)"
