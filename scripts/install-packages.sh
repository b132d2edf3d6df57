#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the kit needs.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev libxkbcommon-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    zlib1g-dev libgeographiclib-dev
    fonts-dejavu-core
    xvfb xauth poppler-utils
    gpsbabel
    dpkg-dev file lintian
    locales
)

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_if_needed apt-get update
    sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
