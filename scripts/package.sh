#!/usr/bin/env bash
# Installs what is missing, builds in Release with Debian's hardening flags and makes the Debian
# package; its path is the last line printed. Arguments go to CMake: the distributor's settings,
# for example -DORBALIDE_SITE_URL=https://maps.example.com/ (README).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh package >&2
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DORBALIDE_TESTS=OFF "$@" >&2
cmake --build build-package -j "$(nproc)" >&2
rm -f build-package/orbalide_*.deb
(cd build-package && cpack -G DEB >&2)
ls "$PWD"/build-package/orbalide_*.deb
