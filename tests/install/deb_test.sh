#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its control fields, its dependencies and its
# files with dpkg-deb.
#
#   deb_test.sh <build folder> <output folder> <version>
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$1
out=$2
version=$3

fail() {
    echo "deb_test.sh: FAILED: $*" >&2
    exit 1
}

rm -rf "$out"
mkdir -p "$out"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    fail "cpack -G DEB (dpkg-shlibdeps comes with dpkg-dev: scripts/setup.sh)"
fi
debs=("$out"/tintwell_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one tintwell_*.deb in $out"
deb=${debs[0]}
[[ $(basename "$deb") == "tintwell_${version}_$(dpkg --print-architecture).deb" ]] ||
    fail "unexpected file name $(basename "$deb")"
dpkg-deb --info "$deb"

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == tintwell ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version), expected $version"

# Qt 6 Widgets, Gui and Core; whichever package brings the xcb platform plugin on this system
# (libqt6gui6 on Debian 12); X11 and the X input library; the fonts behind "Arial".
depends=$(field Depends)
xcb_plugin=$(dpkg -S '*/qt6/plugins/platforms/libqxcb.so' | cut -d: -f1)
for package in libqt6widgets6 libqt6gui6 libqt6core6 "$xcb_plugin" libx11-6 libxi6 \
    fonts-liberation2 libc6 libstdc++6; do
    [[ ", $depends," =~ ,\ "$package"[\ ,] ]] || fail "Depends lacks $package: $depends"
done

# The same files as a plain install, under /usr, owned by root.
contents=$(dpkg-deb --contents "$deb")
diff -u "$here/installed-files.txt" \
    <(awk '$6 !~ /\/$/ { sub(/^\.\/usr\//, "", $6); print $6 }' <<<"$contents" | LC_ALL=C sort) ||
    fail "the package's files differ from tests/install/installed-files.txt (- expected, + packed)"
awk '$2 != "root/root" { exit 1 }' <<<"$contents" || fail "files not owned by root/root"
grep -Eq '^-rwxr-xr-x .* \./usr/bin/tintwell$' <<<"$contents" || fail "usr/bin/tintwell not 0755"
echo "deb_test.sh: passed: $deb"
