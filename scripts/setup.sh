#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12. Installs nothing, and does not
# touch the package lists, when everything is already there.
set -euo pipefail

packages=(
    build-essential cmake pkg-config g++
    qt6-base-dev qt6-qpa-plugins libx11-dev libxi-dev
    libgtest-dev googletest
    xvfb xdotool xclip x11-utils x11-xserver-utils fonts-liberation2 fontconfig
    # The fuzz targets: clang with libFuzzer and the sanitizer runtimes.
    clang libclang-rt-14-dev
    # The icon, the install tree and the Debian package: rendering, validators, dpkg-shlibdeps,
    # and a clean system to install the package into.
    librsvg2-bin desktop-file-utils appstream dpkg-dev debootstrap
    # The Windows build: cross-compilers, icon tools, and Wine to test it (wine32 for i686).
    mingw-w64 icoutils file wine wine64 wine32:i386 fonts-wine
    libxrender1 libxrandr2 libxi6 libxcursor1 libxinerama1 libxfixes3 libxcomposite1
    libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386 libxinerama1:i386
    libxfixes3:i386 libxcomposite1:i386
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

install=(apt-get install -y --no-install-recommends "${missing[@]}")
if ((EUID != 0)); then
    echo "setup.sh: missing packages: ${missing[*]}" >&2
    echo "setup.sh: run as root:" >&2
    echo "  dpkg --add-architecture i386 && apt-get update && DEBIAN_FRONTEND=noninteractive ${install[*]}" >&2
    exit 1
fi
echo "setup.sh: installing ${missing[*]}"
# wine32 is an i386 package.
if [[ " ${missing[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
apt-get update
DEBIAN_FRONTEND=noninteractive "${install[@]}"
