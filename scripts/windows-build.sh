#!/usr/bin/env bash
# Cross-builds the native Windows game with mingw-w64: build/windows/ui/win32/morlune.exe, one
# statically linked program that needs only Windows' own DLLs. Installs what it needs with
# apt-get when it is missing; extra package names may be passed in MORLUNE_EXTRA_PACKAGES.
# Any arguments are build targets (default: morlune).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/windows"

packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools cmake ninja-build ${MORLUNE_EXTRA_PACKAGES:-})
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  # Another apt may be running on a shared machine: wait for its lock rather than fail.
  timeout 600 $sudo apt-get -o DPkg::Lock::Timeout=300 update -qq
  DEBIAN_FRONTEND=noninteractive timeout 1200 $sudo apt-get -o DPkg::Lock::Timeout=300 \
    install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi

targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(morlune)

timeout 300 cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DMORLUNE_BUILD_QT=OFF -DMORLUNE_BUILD_ARTWORK=OFF -DMORLUNE_BUILD_WIN32=ON >/dev/null
timeout 1500 cmake --build "$build" -j2 --target "${targets[@]}"
echo "Built $build/ui/win32/morlune.exe"
