#!/usr/bin/env bash
# Installs what building and running the program needs on Debian 12, as
# root: compiler, CMake, Qt 6 Widgets and the Chinese fonts. Packages that
# are already there are left alone; nothing else is touched.
set -euo pipefail

packages=(
    g++ make cmake
    qt6-base-dev qt6-qpa-plugins libgl-dev
    fontconfig fonts-arphic-uming fonts-arphic-ukai
)
if [ "${VELMARIC_XVFB:-}" = 1 ]; then
    packages+=(xvfb xauth)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
