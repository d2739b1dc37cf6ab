#!/usr/bin/env bash
# Runs a command inside a private X server (Xvfb on a free display) with openbox managing its
# windows, and ends both afterwards whatever happens.
#   with_x_server.sh COMMAND [ARGUMENTS...]
set -euo pipefail
work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(tr -d '\n' <"$work/display")"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.05
done

"$@"
