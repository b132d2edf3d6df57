#!/usr/bin/env bash
# Installs what is needed, builds, and starts Qelvar Maps on the bundled data. Arguments are
# passed on as the command line (an ICAO code to mark, for example EDDM).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Qelvar Maps on a virtual X server."
    exec xvfb-run -a -s "-screen 0 1400x900x24" "build/kit/Qelvar Maps" "$@"
fi
exec "build/kit/Qelvar Maps" "$@"
