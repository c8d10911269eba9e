#!/usr/bin/env bash
# Installs the Debian packages that are missing: `setup.sh run` for building and running the
# calculator, `setup.sh package` for making its Debian package as well, `setup.sh test` for the
# test suites and the package. Quick when everything is present.
set -euo pipefail

run_packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libexpat1-dev fonts-liberation)
package_packages=(dpkg-dev file lintian desktop-file-utils appstream)
test_packages=(googletest libgtest-dev libgeographiclib-dev zlib1g-dev libbenchmark-dev libxml2-dev
  locales clang-14 libclang-rt-14-dev xvfb xauth xdotool xdg-utils libfile-mimeinfo-perl imagemagick
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi gdal-bin gpsbabel orca speech-dispatcher
  speech-dispatcher-espeak-ng)

packages=("${run_packages[@]}")
case "${1:-run}" in
  package) packages+=("${package_packages[@]}") ;;
  test) packages+=("${package_packages[@]}" "${test_packages[@]}") ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The number-reading tests compare against the C library under a French locale.
if [ "${1:-run}" = test ] && ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
  as_root localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
fi
