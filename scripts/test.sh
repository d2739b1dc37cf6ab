#!/usr/bin/env bash
# Sets up, builds and runs every test: a plain build, one under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows build under Wine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"

run_suite() {
  local name="$1"
  shift
  local build="$root/build/$name"
  echo "== $name build"
  cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
  cmake --build "$build"
  echo "== $name tests"
  ctest --test-dir "$build" --output-on-failure --timeout 600 -j2
}

run_suite plain -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The toolkit's libraries keep some memory until exit; the leak checker passes over just that.
export LSAN_OPTIONS="suppressions=$root/tests/toolkit.lsan.supp:print_suppressions=0"
run_suite sanitized -DCMAKE_BUILD_TYPE=Debug -DMORLUNE_SANITIZE=ON

echo "== windows build and tests under Wine"
"$root/scripts/windows-test.sh"
