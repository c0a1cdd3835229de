#!/usr/bin/env bash
# Installs the package that deb_test.sh built into a clean minimal Debian 12 system with apt-get,
# without recommended packages, so that nothing but its declared dependencies comes along; then
# starts the tool there with its menu entry's command, on a virtual display of this machine.
#
#   deb_chroot_test.sh <folder with the .deb> <packaged_app_test executable>
#
# Needs root, and Debian's archive at TINTWELL_DEBIAN_MIRROR (default http://deb.debian.org/debian).
# The clean system is made by `debootstrap --variant=minbase bookworm`, which takes minutes on a
# small machine, so an untouched copy of it is kept as a tar file in TINTWELL_CHROOT_CACHE (default
# /var/cache/tintwell-tests) and made anew once it is a week old. Each run unpacks a fresh copy.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(cd "$here/../.." && pwd)

fail() {
    echo "deb_chroot_test.sh: FAILED: $*" >&2
    exit 1
}

if ((EUID != 0)); then
    echo "deb_chroot_test.sh: SKIPPED: debootstrap and chroot need root"
    exit 77
fi
command -v debootstrap >/dev/null || fail "debootstrap not found; install it with scripts/setup.sh"
debs=("$1"/tintwell_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "no tintwell_*.deb in $1 (deb_test.sh makes it)"
app_test=$2
mirror=${TINTWELL_DEBIAN_MIRROR:-http://deb.debian.org/debian}
cache=${TINTWELL_CHROOT_CACHE:-/var/cache/tintwell-tests}
base=$cache/bookworm-minbase.tar

work=$(mktemp -d "${TMPDIR:-/var/tmp}/tintwell-chroot.XXXXXX")
# Every mount is made in a private mount namespace and ends with it: the tree holds no mounts here.
trap 'rm -rf --one-file-system "$work"' EXIT
root=$work/root
mkdir -p "$root" "$cache/debs" "$cache/archives/partial"

# Runs a command inside the tree with /proc, and apt's download folder kept in the cache.
in_root() {
    # shellcheck disable=SC2016  # expanded by the inner shell
    unshare --mount --propagation private sh -c '
        mount -t proc proc "$1/proc" &&
        mount --bind "$2" "$1/var/cache/apt/archives" &&
        shift 2 && exec chroot "$@"' sh "$root" "$cache/archives" "$root" "$@"
}

SECONDS=0
if [[ -f $base && -z $(find "$base" -mtime +6) ]]; then
    tar -C "$root" --numeric-owner -xpf "$base" || fail "unpacking $base"
    echo "deb_chroot_test.sh: clean system unpacked from $base (${SECONDS} s)"
else
    unshare --mount --propagation private debootstrap --variant=minbase \
        --cache-dir="$cache/debs" bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 || {
        tail -n 30 "$work/debootstrap.log" >&2
        fail "debootstrap --variant=minbase bookworm from $mirror"
    }
    tar -C "$root" --numeric-owner -cpf "$base.$$" . && mv "$base.$$" "$base"
    echo "deb_chroot_test.sh: debootstrap --variant=minbase bookworm (${SECONDS} s)"
fi

cp "${debs[0]}" "$root/tmp/"
# A tree thrown away after the test: dpkg need not sync every file it writes.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/unsafe-io"
in_root sh -c 'apt-get update -q && DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends /tmp/tintwell_*.deb' >"$work/apt.log" 2>&1 || {
    tail -n 40 "$work/apt.log" >&2
    fail "apt-get install ./$(basename "${debs[0]}") in the clean system"
}
echo "deb_chroot_test.sh: $(grep -m1 'newly installed' "$work/apt.log") (${SECONDS} s)"

# "Arial" and "Microsoft Sans Serif" resolve to Liberation Sans there too.
family=$(in_root fc-match -f '%{family}' Arial) || fail "fc-match in the clean system"
[[ $family == "Liberation Sans" ]] || fail "Arial resolves to '$family' in the clean system"

mkdir -p "$root/tmp/.X11-unix"
TINTWELL_CHROOT=$root bash "$source_dir/tests/e2e/with_xvfb.sh" "$app_test" ||
    fail "the tool installed from the package (see above)"
echo "deb_chroot_test.sh: passed (${SECONDS} s)"
