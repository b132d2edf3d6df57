#!/usr/bin/env bash
# Configures (once) and builds the kit into build/; build/kit/ is the complete kit folder.
# Without arguments everything is built, tests and benchmarks included; with arguments only the
# targets named (for example "kit": the programs, qelvar-scenery and the data).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build -j "$(nproc)" "${targets[@]}"
