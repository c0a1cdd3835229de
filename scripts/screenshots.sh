#!/usr/bin/env bash
# Refreshes docs/screenshot-light.png and docs/screenshot-dark.png, the pictures of both looks that
# the README and the manual show, with the end-to-end screenshot test on a virtual display.
#
#   scripts/screenshots.sh [build folder]    (default: build)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build=${1:-build}
bash scripts/setup.sh
cmake -S . -B "$build"
cmake --build "$build" -j"$(nproc)" --target e2e_screenshots
TINTWELL_SCREENSHOT_DIR=$PWD/docs bash tests/e2e/with_xvfb.sh "$build/e2e_screenshots"
echo "screenshots.sh: wrote docs/screenshot-light.png and docs/screenshot-dark.png"
