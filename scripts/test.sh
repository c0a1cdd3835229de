#!/usr/bin/env bash
# Builds and runs every test in build/, then the unit and in-process tests again under
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

echo "test.sh: all tests passed"
