#!/usr/bin/env bash
# Installs what is missing, builds, generates the sample game (if absent) and
# starts the editor on it. Without a display, the sample game's units are
# exported with quillon-cli instead and the table's path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_BENCHMARKS=OFF >/dev/null
cmake --build build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  [ -d sample-game ] || build/tools/quillon-samplegame "$(pwd)/sample-game"
  table="$(pwd)/sample-game-units.txt"
  build/src/quillon-cli export "$(pwd)/sample-game/data" --game "$(pwd)/sample-game" \
    --descriptions -o "$table"
  echo "No display found: the sample game's units were exported to $table"
  echo "Start the editor from a desktop session with: scripts/run-sample.sh"
  exit 0
fi
exec scripts/run-sample.sh "$@"
