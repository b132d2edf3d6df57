#!/usr/bin/env bash
# Configures and builds the kit into build/; build/kit/ is the complete kit folder.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build -j "$(nproc)"
