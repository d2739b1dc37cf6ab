#!/usr/bin/env bash
# Cross-builds the Windows game and its tests, then runs them all under Wine: the core's
# tests and the Windows UI tests, which drive the real window. Wine gets a fresh prefix in a
# temporary folder and its own Xvfb on a free display; everything started here is ended and
# removed on exit. Installs what it needs with apt-get when it is missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/windows"

# Wine and its fonts, a CJK font for the Chinese texts, an X server, GoogleTest's sources.
export MORLUNE_EXTRA_PACKAGES="googletest wine64 wine fonts-wine xvfb fonts-wqy-microhei"
"$root/scripts/windows-build.sh" all

# Debian's wine64 keeps its launcher off the PATH.
wine=""
for candidate in /usr/lib/wine/wine64 "$(command -v wine64 || true)" "$(command -v wine || true)"; do
  if [ -n "$candidate" ] && [ -x "$candidate" ]; then wine="$candidate"; break; fi
done
wineserver=""
for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver "$(command -v wineserver || true)"; do
  if [ -n "$candidate" ] && [ -x "$candidate" ]; then wineserver="$candidate"; break; fi
done
if [ -z "$wine" ] || [ -z "$wineserver" ]; then
  echo "windows-test: no Wine launcher found" >&2
  exit 1
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/morlune-wine.XXXXXX")"
xvfb_pid=""
cleanup() {
  set +e
  if [ -d "$work/prefix" ]; then WINEPREFIX="$work/prefix" timeout 30 "$wineserver" -k 2>/dev/null; fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself and writes its number to the descriptor it is given.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" </dev/null \
  >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "windows-test: Xvfb did not start" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"

export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
# No Mono or Gecko: the prefix must come up without asking to download anything.
export WINEDLLOVERRIDES="mscoree=;mshtml="
echo "== Wine prefix in $WINEPREFIX on display $DISPLAY"
timeout 180 "$wine" wineboot --init </dev/null >"$work/wineboot.log" 2>&1 || {
  echo "windows-test: wineboot failed" >&2
  cat "$work/wineboot.log" >&2
  exit 1
}
# Wine's own fonts (Marlett draws the caption buttons) where this Wine looks for them. Tahoma
# stays out: it has no Chinese, and captions must fall to the CJK replacement below.
if [ -d /usr/share/wine/fonts ]; then
  for font in /usr/share/wine/fonts/*.ttf; do
    case "$(basename "$font")" in tahoma*) continue ;; esac
    cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
fi
# Wine draws its own window frames, so no window manager is needed and windows close at once.
for value in Decorated Managed; do
  timeout 60 "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v "$value" /d N /f </dev/null >/dev/null
done
# The Chinese texts render through a CJK font wherever a Windows font is asked for.
for font in "SimSun" "NSimSun" "Microsoft YaHei" "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma"; do
  timeout 60 "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" \
    /d "WenQuanYi Micro Hei" /f </dev/null >/dev/null
done
timeout 60 "$wineserver" -w
# One server for the whole run, with Wine's own services started once before the tests: a
# test program then starts in a fraction of a second, well inside the time ctest allows for
# listing its cases.
"$wineserver" -p
timeout 120 "$wine" "$build/tests/win32/win32_ui_tests.exe" --gtest_list_tests </dev/null >/dev/null

echo "== Windows tests under Wine"
timeout 1200 ctest --test-dir "$build" --output-on-failure --timeout 300 -j2 </dev/null
