#!/bin/sh
# Builds and runs the explorer benchmark against an existing build folder, then
# times the peer tools listing the same kind of folder.
#   bench/explorer/run.sh [build-dir] [count]
set -e
build=${1:-build}
count=${2:-100000}
here=$(dirname "$0")
out="$build/bench/explorer_bench"
mkdir -p "$build/bench"
qt=/usr/include/x86_64-linux-gnu/qt6
g++ -std=c++20 -O2 -fPIC -I"$here/../../src" -I$qt -I$qt/QtCore -I$qt/QtGui -I$qt/QtWidgets \
  "$here/explorer_bench.cpp" -o "$out" \
  "$build/src/gui/libvantorim_gui.a" "$build/src/core/libvantorim_core.a" \
  -lQt6Widgets -lQt6Gui -lQt6Core -lxxhash
for view in report list; do QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$out" "$count" $view; done
tmp=$(mktemp -d)
( cd "$tmp" && seq -f 'file_%06g.txt' 0 $((count - 1)) | xargs touch )
hyperfine -w 1 -r 5 "ls -l $tmp > /dev/null" "ls -f $tmp > /dev/null" "fdfind . $tmp > /dev/null"
rm -rf "$tmp"
