#!/usr/bin/env bash
# The measuring half of bench/run, on the display in $DISPLAY (with_xvfb.sh gives it one):
#
#   bench/measure.sh <build dir> <runs> <output dir>
#
# Writes <output dir>/starts (one "program run map_ms=... rss_kib=..." line per start),
# <output dir>/bench (tintwell-bench's lines) and <output dir>/cpu.
set -euo pipefail

build=$1
runs=$2
out=$3
probe="$build/tintwell-startup-probe"

# Each program's main window, by its title.
declare -A command=([tintwell]="$build/tintwell" [gpick]="$(command -v gpick)" [gcolor3]="$(command -v gcolor3)")
declare -A title=([tintwell]="Tintwell v7" [gpick]="New palette - Gpick" [gcolor3]="Color Picker")
apps=(tintwell gpick gcolor3)

start() {
    local app=$1 line
    # The peers print to both streams; only the probe's own result line counts.
    if ! line=$("$probe" "${command[$app]}" "${title[$app]}" 2000 20000 2>"$out/$app.err"); then
        echo "measure.sh: starting $app failed:" >&2
        grep -v '^$' "$out/$app.err" | tail -n 5 >&2
        return 1
    fi
    grep '^map_ms=' <<<"$line"
}

# The pointer in a corner, away from every window: one resting on a window may raise a tooltip
# that carries the window's title.
xdotool mousemove 0 0

# One start of each first, untimed: first-run set-up and the disk cache stay out of the figures.
for app in "${apps[@]}"; do
    start "$app" >/dev/null
done
: >"$out/starts"
for ((i = 1; i <= runs; i++)); do
    for app in "${apps[@]}"; do
        line=$(start "$app")
        echo "$app $i $line" | tee -a "$out/starts"
    done
done

"$build/tintwell-bench" | tee "$out/bench"
"$build/tintwell-armed-cpu" "$build/tintwell" 10 | tee "$out/cpu"
