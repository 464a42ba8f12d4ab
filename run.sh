#!/usr/bin/env bash
# Sets up what is missing, builds into build/ and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh

tools/ensure-packages.sh "${BUILD_PACKAGES[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build --parallel "$(nproc)" --target morvane
exec build/bin/morvane
