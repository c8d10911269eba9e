#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a plain build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; the fuzz targets for a while; the real program
# under Xvfb; then the Debian package, checked and installed.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh test
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBALIDE_TESTS=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBALIDE_SANITIZE=ON -DORBALIDE_TESTS=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

# Fuzzing: every target for a bounded time from its seeds, after replaying the inputs that once
# broke it. FUZZ_SECONDS sets the time per target.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 \
  -DCMAKE_CXX_COMPILER=clang++-14 -DORBALIDE_FUZZ=ON -DORBALIDE_TESTS=OFF -DORBALIDE_QT=OFF
cmake --build build-fuzz -j "$jobs"
for target in nombres geodesie collage kml utilisateur planificateur calc passage gpx; do
  if [ -d "fuzz/regressions/$target" ]; then
    "build-fuzz/fuzz/fuzz_$target" fuzz/regressions/$target/*
  fi
  mkdir -p "build-fuzz/corpus/$target"
  "build-fuzz/fuzz/fuzz_$target" -max_total_time="${FUZZ_SECONDS:-12}" -timeout=10 \
    -print_final_stats=1 "build-fuzz/corpus/$target" "fuzz/corpus/$target" 2>&1 | tail -n 12
done

# The real program on a real X server: the main window, then the passage planner.
tests/e2e/bureau.sh build
tests/e2e/planificateur.sh build

# The Debian package: its desktop entry and metadata validate, lintian finds no error, and the
# installed program works for an ordinary user.
deb=$(./scripts/package.sh | tail -n 1)
desktop-file-validate build-package/packaging/*.desktop
appstreamcli validate --no-net build-package/packaging/*.metainfo.xml
lintian --fail-on error "$deb"
tests/e2e/installe.sh "$deb"
