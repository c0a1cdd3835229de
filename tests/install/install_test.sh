#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks it as a desktop sees it: the list of files,
# the desktop entry and the AppStream metainfo through their validators, the icons as committed,
# and the installed executable on a virtual display, whose footer must open the installed manual.
#
#   install_test.sh <build folder> <prefix> <installed_app_test executable>
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build=$1
prefix=$2
app_test=$3
app_id=org.tintwell.Tintwell

fail() {
    echo "install_test.sh: FAILED: $*" >&2
    exit 1
}
for tool in desktop-file-validate appstreamcli xdotool; do
    command -v "$tool" >/dev/null || fail "$tool not found; install it with scripts/setup.sh"
done

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install $build --prefix $prefix"

diff -u "$here/installed-files.txt" <(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the installed files differ from tests/install/installed-files.txt (- expected, + installed)"

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate --no-net $metainfo"
# The tree as a whole: the metainfo's launchable names the installed desktop entry.
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree --no-net $prefix"

# The entry starts the installed program and shows the installed icon.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[[ -x $prefix/bin/$exec_line ]] || fail "Exec=$exec_line is not an installed program in $prefix/bin"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's Icon is not $app_id"
# shellcheck disable=SC2013  # the sizes are words
for size in $(grep -v '^#' "$source_dir/resources/icon/sizes.txt"); do
    cmp "$source_dir/resources/icon/tintwell-$size.png" \
        "$prefix/share/icons/hicolor/${size}x$size/apps/$app_id.png" ||
        fail "the installed $size pixel icon is not resources/icon/tintwell-$size.png"
done

bash "$source_dir/tests/e2e/with_xvfb.sh" "$app_test" || fail "the installed executable (see above)"
rm -rf "$prefix"
echo "install_test.sh: passed"
