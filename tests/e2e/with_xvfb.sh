#!/usr/bin/env bash
# Runs a command on a private virtual X display and returns its exit code.
#
#   with_xvfb.sh <command> [args...]
#
# The display gets a free number from the X server itself (-displayfd), so parallel runs do not
# race. The command also gets its own XDG_CONFIG_HOME and XDG_RUNTIME_DIR, and no Wayland.
# TINTWELL_XVFB_SCREEN sets the screen (default 1280x1024x24).
set -euo pipefail

if (($# == 0)); then
    echo "usage: with_xvfb.sh <command> [args...]" >&2
    exit 2
fi
if ! command -v Xvfb >/dev/null 2>&1; then
    echo "with_xvfb.sh: Xvfb not found; install xvfb: scripts/setup.sh" >&2
    exit 127
fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-xvfb.XXXXXX")
xvfb_pid=
cmd_pid=

# shellcheck disable=SC2317  # called from the EXIT trap
cleanup() {
    if [[ -n $cmd_pid ]] && kill -0 "$cmd_pid" 2>/dev/null; then
        kill -TERM "$cmd_pid" 2>/dev/null || true
        wait "$cmd_pid" 2>/dev/null || true
    fi
    if [[ -n $xvfb_pid ]]; then
        kill -TERM "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -m 0700 "$tmp/config" "$tmp/runtime"
mkfifo "$tmp/displayfd"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${TINTWELL_XVFB_SCREEN:-1280x1024x24}" \
    3>"$tmp/displayfd" >"$tmp/xvfb.log" 2>&1 </dev/null &
xvfb_pid=$!

# Xvfb writes the display number once it accepts connections; EOF means it died first.
display=
read -r -t 30 display <"$tmp/displayfd" || true
if [[ ! $display =~ ^[0-9]+$ ]]; then
    echo "with_xvfb.sh: Xvfb did not start; its log:" >&2
    tail -n 20 "$tmp/xvfb.log" >&2
    exit 1
fi

export DISPLAY=":$display"
export XDG_CONFIG_HOME="$tmp/config"
export XDG_RUNTIME_DIR="$tmp/runtime"
unset WAYLAND_DISPLAY

# In the background, so that a TERM (e.g. a test timeout) is handled at once, not after it ends.
"$@" <&0 &
cmd_pid=$!
rc=0
wait "$cmd_pid" || rc=$?
cmd_pid=
exit "$rc"
