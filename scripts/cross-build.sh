#!/usr/bin/env bash
# Cross-builds the Windows executables with MinGW-w64:
#   build-win32/tintwell.exe  (i686)
#   build-win64/tintwell.exe  (x86_64)
# with the unit tests that run under Wine beside them. Extra arguments go to CMake's configure
# step (e.g. -DTINTWELL_TESTS=OFF).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

fail() {
    echo "cross-build.sh: FAILED: $*" >&2
    exit 1
}

for tool in i686-w64-mingw32-g++ x86_64-w64-mingw32-g++ icotool; do
    command -v "$tool" >/dev/null 2>&1 ||
        fail "$tool not found; install the build dependencies: scripts/setup.sh"
done

jobs=$(nproc)
for target in i686:build-win32 x86_64:build-win64; do
    arch=${target%%:*}
    dir=${target#*:}
    cmake -S . -B "$dir" --toolchain "cmake/mingw-w64-$arch.cmake" "$@" ||
        fail "configuring $dir/"
    cmake --build "$dir" -j"$jobs" || fail "building $dir/"
    echo "cross-build.sh: $dir/tintwell.exe"
done
