#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing Morlune need.
# Quick and offline when everything is there already.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config dpkg-dev file
  # the desktop front end, and a CJK font so the Chinese texts render
  qt6-base-dev qt6-base-dev-tools fonts-wqy-microhei
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev valgrind
  # end-to-end tests in a real X server
  xvfb openbox xdotool x11-utils imagemagick python3 libx11-dev
  # desktop integration checks
  desktop-file-utils appstream
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
