#!/usr/bin/env bash
# Sets up, builds and starts the game.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DMORLUNE_BUILD_ARTWORK=OFF >/dev/null
cmake --build "$root/build/release" --target morlune
exec "$root/build/release/ui/qt/morlune"
