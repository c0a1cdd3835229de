#!/usr/bin/env bash
# Builds and runs every test in build/ (among them the install tree, the icon files and the Debian
# package, which is also installed into a clean Debian 12 system: that one needs root and Debian's
# archive, and is skipped without root), then the unit and in-process tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

jobs=$(nproc)
fail() {
    echo "test.sh: FAILED: $*" >&2
    exit 1
}

bash scripts/setup.sh || fail "installing the build and test dependencies (scripts/setup.sh)"

cmake -S . -B build -DTINTWELL_TESTS=ON || fail "configuring build/"
cmake --build build -j"$jobs" || fail "building build/"
ctest --test-dir build --output-on-failure --no-tests=error -j"$jobs" ||
    fail "tests in build/ (see the output above)"

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
cmake -S . -B build-asan -DTINTWELL_TESTS=ON -DTINTWELL_SANITIZE=ON || fail "configuring build-asan/"
cmake --build build-asan -j"$jobs" || fail "building build-asan/"
ctest --test-dir build-asan -L sanitize --output-on-failure --no-tests=error -j"$jobs" ||
    fail "sanitizer tests in build-asan/ (see the output above)"

# The Windows executables, cross-built and tested under Wine on Xvfb. TINTWELL_SKIP_WINE=1 skips
# this step on a machine without MinGW and Wine.
if [[ ${TINTWELL_SKIP_WINE:-0} != 1 ]]; then
    bash scripts/cross-build.sh || fail "cross-building build-win32/ and build-win64/"
    bash tests/wine/run.sh build/wine_app_tests build-win64 build-win32 ||
        fail "Windows tests under Wine (see the output above)"
fi

# The fuzz targets, each for TINTWELL_FUZZ_SECONDS (default 60; 0 skips this step), built with
# clang in build-fuzz/. The time limit keeps a stuck build or run from holding up CI.
fuzz_seconds=${TINTWELL_FUZZ_SECONDS:-60}
if ((fuzz_seconds > 0)); then
    timeout 1200 bash fuzz/run.sh "$fuzz_seconds" ||
        fail "fuzzing (a finding, or the build or run took over 20 minutes; see the output above)"
fi

echo "test.sh: all tests passed"
