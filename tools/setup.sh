#!/usr/bin/env bash
# Installs the Debian packages that are missing, builds Vantorim Steerhall and
# then either starts the program (run) or runs every test (test).
set -euo pipefail
mode=${1:-run}
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VANTORIM_BUILD_DIR:-$top/build}

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libqt6opengl6-dev qt6-charts-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev libxkbcommon-dev
  libqt6svg6 qt6-translations-l10n libgtest-dev libgmock-dev libxxhash-dev adwaita-icon-theme hicolor-icon-theme
  fonts-dejavu-core)
if [ "$mode" = test ]; then
  packages+=(clang libclang-rt-14-dev xvfb xauth)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"

case "$mode" in
  run) exec "$build/src/gui/vantorim" ;;
  test) ctest --test-dir "$build" --output-on-failure -j "$(nproc)" ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
