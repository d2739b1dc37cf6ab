#!/usr/bin/env bash
# Builds the Debian package and inspects it without installing it: its dependencies come from
# the program's libraries plus a CJK font, and it holds exactly what an install puts down.
#   CheckPackage.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
package="$(ls "$work"/*.deb)"

depends="$(dpkg-deb -f "$package" Depends)"
echo "Depends: $depends"
for needed in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 "fonts-wqy-microhei | fonts-noto-cjk"; do
  if ! grep -qF "$needed" <<<"$depends"; then
    echo "the package does not depend on $needed"
    exit 1
  fi
done

cmake --install "$build" --prefix "$work/root/usr" >/dev/null
from_install="$(cd "$work/root" && find . -type f -printf '/%P\n' | LC_ALL=C sort)"
from_package="$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ {sub(/^\./, "", $6); print $6}' | LC_ALL=C sort)"
if [ "$from_install" != "$from_package" ]; then
  echo "package contents differ from the install:"
  diff <(printf '%s\n' "$from_install") <(printf '%s\n' "$from_package") || true
  exit 1
fi
echo "package: $(basename "$package"), $(printf '%s\n' "$from_package" | wc -l) files"
