#!/usr/bin/env bash
# Installs what is needed, builds Qelvar Maps and the data it reads (not the other programs, the
# tests and the benchmarks: "bash scripts/build.sh kit" builds the whole kit), and starts Qelvar
# Maps on the bundled data. Arguments are passed on as the command line (an ICAO code to mark, for
# example EDDM).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
bash scripts/build.sh qelvar_maps
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat <<'TEXT'
No display found: Qelvar Maps starts on a virtual X server (Xvfb), where no one can see it.
It runs until you press Ctrl+C. To look at the windows without a display, draw them into
pictures instead:
    cmake --build build --target grab_main_window grab_kit_windows
    build/tests/grab_main_window OUT        # the map, a route and two printed pages, as PNG files
    build/tests/grab_kit_windows OUT        # the windows of the other programs
TEXT
    # Without a desktop session there is no runtime folder either: a private one, so Qt need not
    # make its own and say so.
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        XDG_RUNTIME_DIR=$(mktemp -d /tmp/qelvar-runtime.XXXXXX)
        export XDG_RUNTIME_DIR
    fi
    exec xvfb-run -a -s "-screen 0 1400x900x24" "build/kit/Qelvar Maps" "$@"
fi
exec "build/kit/Qelvar Maps" "$@"
