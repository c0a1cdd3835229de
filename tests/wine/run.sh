#!/usr/bin/env bash
# Runs the cross-built Windows programs under Wine on a private Xvfb display: for each build
# folder given, the resources of its tintwell.exe, its unit tests and the driver's tests of
# tintwell.exe.
#
#   tests/wine/run.sh <wine_app_tests driver> <build-win64> [<build-win32> ...]
#
# Each build gets a fresh Wine prefix of its own architecture. Wine's X11 driver runs with
# Managed=N, so that closing does not wait for a window manager that is not there.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

fail() {
    echo "wine/run.sh: FAILED: $*" >&2
    exit 1
}

if [[ ${1:-} == --inside ]]; then
    # On the display made by with_xvfb.sh: one build folder, one prefix.
    driver=$2 build=$3 arch=$4 tmp=$5
    export WINEPREFIX=$tmp/prefix-$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [[ $arch == win64 ]]; then
        export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
        export WINESERVER=/usr/lib/wine/wineserver64
    else
        export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine
        export WINESERVER=/usr/lib/wine/wineserver32
    fi
    trap '"$WINESERVER" -k 2>/dev/null || true' EXIT
    "$WINELOADER" wineboot -i >"$tmp/wineboot-$arch.log" 2>&1 ||
        fail "wineboot for $arch (see $tmp/wineboot-$arch.log)"
    "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
        fail "setting Wine's X11 driver to unmanaged windows"
    "$WINESERVER" -w
    rc=0
    for test in color_tests theme_tests toolkit_tests; do
        echo "wine/run.sh: $arch $test"
        "$WINELOADER" "$build/$test.exe" --gtest_brief=1 || { echo "  $test failed"; rc=1; }
    done
    user=$(id -un)
    export TINTWELL_WINE=$WINELOADER TINTWELL_WINE_EXE=$build/tintwell.exe
    export TINTWELL_WINE_APPDATA=$WINEPREFIX/drive_c/users/$user/AppData/Roaming
    echo "wine/run.sh: $arch tintwell.exe"
    "$driver" || rc=1
    exit "$rc"
fi

# The executable's resources: ten icon sizes at 32 bits per pixel, the manifest, version 7.0.0.0.
check_resources() {
    local exe=$1 icons sizes manifest version ico
    ico=$(mktemp "${TMPDIR:-/tmp}/tintwell-icon.XXXXXX")
    wrestool -x -t 14 "$exe" >"$ico" && icons=$(icotool -l "$ico" 2>&1) ||
        { echo "  no icon group"; rm -f "$ico"; return 1; }
    rm -f "$ico"
    sizes=$(grep -o -- '--width=[0-9]* --height=[0-9]* --bit-depth=32' <<<"$icons" |
        sed 's/--width=\([0-9]*\).*/\1/' | sort -n | tr '\n' ' ')
    if [[ $sizes != "16 20 24 32 40 48 64 96 128 256 " ]]; then
        echo "  icon sizes at 32 bpp: '$sizes'; all of them:"
        echo "$icons"
        return 1
    fi
    manifest=$(wrestool -x --raw -t 24 "$exe")
    for want in 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
        'level="asInvoker"' '>PerMonitorV2' '>true/pm<'; do
        grep -qF -- "$want" <<<"$manifest" || { echo "  manifest lacks $want"; return 1; }
    done
    # VS_FIXEDFILEINFO: signature, structure version, file 7.0.0.0, product 7.0.0.0.
    version=$(wrestool -x --raw -t 16 "$exe" | od -An -tx1 -v | tr -d ' \n')
    [[ $version == *bd04effe000001000000070000000000000007000000000* ]] ||
        { echo "  the version resource is not 7.0.0.0"; return 1; }
    grep -qF '7.0.0.0' < <(wrestool -x --raw -t 16 "$exe" | tr -d '\0') ||
        { echo "  the version strings do not say 7.0.0.0"; return 1; }
}

(($# >= 2)) || fail "usage: tests/wine/run.sh <wine_app_tests driver> <build folder>..."
driver=$(realpath "$1")
shift
[[ -x $driver ]] || fail "no driver at $driver"
tmp=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-wine.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

status=0
for build in "$@"; do
    build=$(realpath "$build")
    exe=$build/tintwell.exe
    [[ -f $exe ]] || fail "no $exe; cross-build first: scripts/cross-build.sh"
    case $(file -b "$exe") in
        PE32+*) arch=win64 ;;
        PE32*) arch=win32 ;;
        *) fail "$exe is not a Windows executable" ;;
    esac
    check_resources "$exe" || { echo "wine/run.sh: resources of $exe are wrong" >&2; status=1; }
    if [[ $arch == win32 ]] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
        # A 64-bit-only Wine would run it as a silent no-op: say so instead.
        echo "wine/run.sh: NOT RUN: $exe (i686): this machine cannot start 32-bit programs" \
            "(/usr/lib/wine/wine from wine32:i386 does not run)" >&2
        continue
    fi
    echo "wine/run.sh: testing $exe ($arch)"
    bash "$here/../e2e/with_xvfb.sh" bash "$here/run.sh" --inside "$driver" "$build" "$arch" "$tmp" ||
        { echo "wine/run.sh: tests of $exe failed" >&2; status=1; }
done
exit "$status"
