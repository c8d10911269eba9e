#!/usr/bin/env bash
# Installs what is missing, builds, and opens the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBALIDE_TESTS=OFF
cmake --build build -j "$(nproc)"
echo "The geodesy core is built; the calculator's window does not exist yet."
