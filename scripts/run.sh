#!/usr/bin/env bash
# Installs what is missing, builds, and opens the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBALIDE_TESTS=OFF
cmake --build build -j "$(nproc)" --target orbalide
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: run it under Xvfb with  xvfb-run -a ./build/qt/orbalide"
  exit 0
fi
exec ./build/qt/orbalide
