#!/usr/bin/env bash
# Builds an optimised tree and prints every speed and memory figure: the core and canvas
# benchmarks, then start-up time and peak memory against a bare Qt window under Xvfb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
build="$root/build/benchmark"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORLUNE_BUILD_ARTWORK=OFF >/dev/null
cmake --build "$build" --target core_benchmarks canvas_benchmarks morlune bare_qt_window menu_bar_window startup_probe

"$build/benchmarks/core_benchmarks" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
QT_QPA_PLATFORM=offscreen "$build/benchmarks/canvas_benchmarks" \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# Start-up needs a real X server; -br makes an unpainted window read black.
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -br -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
runtime="$(mktemp -d)"
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
# Against the bare window, then against the same window with the game's Chinese menu titles.
for floor in bare_qt_window menu_bar_window; do
  DISPLAY="$display" "$build/benchmarks/startup_probe" "${STARTUP_RUNS:-21}" \
    "$build/ui/qt/morlune" "$build/benchmarks/$floor"
done
