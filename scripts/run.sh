#!/usr/bin/env bash
# Builds the application into build/ and starts it.
#
# With $DISPLAY set it runs in the foreground on that display. Without one it runs on a virtual
# display: a screenshot is saved to build/tintwell-screenshot.png, then the window is closed the
# way a window manager closes it and the application's exit code is printed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
cmake -S . -B build
cmake --build build -j"$(nproc)"

if [[ -n ${DISPLAY:-} ]]; then
    exec build/tintwell "$@"
fi

echo "run.sh: no DISPLAY; running on a virtual display"
bash tests/e2e/with_xvfb.sh bash -c '
    build/tintwell "$@" &
    app=$!
    if ! build/tintwell-screenshot --close "Tintwell v7" build/tintwell-screenshot.png 10000; then
        kill "$app" 2>/dev/null
        wait "$app"
        echo "run.sh: the application exited with code $?" >&2
        exit 1
    fi
    echo "run.sh: screenshot saved to $PWD/build/tintwell-screenshot.png"
    rc=0
    wait "$app" || rc=$?
    echo "run.sh: the application exited with code $rc after the close request"
    exit "$rc"' run "$@"
