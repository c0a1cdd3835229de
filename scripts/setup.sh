#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12. Installs nothing, and does not
# touch the package lists, when everything is already there.
set -euo pipefail

packages=(
    build-essential cmake pkg-config g++
    qt6-base-dev qt6-qpa-plugins libx11-dev libxi-dev
    libgtest-dev googletest
    xvfb xdotool xclip x11-utils x11-xserver-utils fonts-liberation2 fontconfig
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
    echo "  apt-get update && DEBIAN_FRONTEND=noninteractive ${install[*]}" >&2
    exit 1
fi
echo "setup.sh: installing ${missing[*]}"
apt-get update
DEBIAN_FRONTEND=noninteractive "${install[@]}"
