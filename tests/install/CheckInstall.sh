#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks it the way a desktop would see it: exactly
# the expected files, a valid desktop entry and AppStream record, and a desktop entry that
# starts the installed program.
#   CheckInstall.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
app=io.github.morlune.Morlune

cmake --install "$build" --prefix "$prefix" >/dev/null

expected="bin/morlune
share/applications/$app.desktop
share/icons/hicolor/128x128/apps/$app.png
share/icons/hicolor/16x16/apps/$app.png
share/icons/hicolor/256x256/apps/$app.png
share/icons/hicolor/32x32/apps/$app.png
share/icons/hicolor/48x48/apps/$app.png
share/icons/hicolor/64x64/apps/$app.png
share/icons/hicolor/scalable/apps/$app.svg
share/metainfo/$app.metainfo.xml"
actual="$(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort)"
if [ "$actual" != "$(printf '%s\n' "$expected" | LC_ALL=C sort)" ]; then
  echo "installed files differ from the expected set:"
  diff <(printf '%s\n' "$expected" | LC_ALL=C sort) <(printf '%s\n' "$actual") || true
  exit 1
fi

desktop-file-validate "$prefix/share/applications/$app.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app.metainfo.xml"

# The metainfo carries the version the program was built with.
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$app.metainfo.xml"

# Start the program as the desktop would: the entry's Exec, found on the PATH.
exec_line="$(sed -n 's/^Exec=//p' "$prefix/share/applications/$app.desktop")"
PATH="$prefix/bin:$PATH" QT_QPA_PLATFORM=offscreen $exec_line &
program=$!
sleep 2
if ! kill -0 "$program" 2>/dev/null; then
  wait "$program" || true
  echo "the installed program did not keep running"
  exit 1
fi
kill "$program"
wait "$program" 2>/dev/null || true
echo "install: $(printf '%s\n' "$actual" | wc -l) files, desktop entry and metainfo valid, program starts"
