#!/usr/bin/env bash
# Sets up what is missing, builds into build/, runs every test and prints a summary.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh

tools/ensure-packages.sh "${TEST_PACKAGES[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build build --parallel "$(nproc)"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
