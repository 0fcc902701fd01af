#!/usr/bin/env bash
# Renames 10 000 files with a counter and back, with vantorim-cli rename and with
# the perl rename tool (Debian package "rename") doing the same renames on the
# same tree; then times a preview of 100 000 names. Run by hand:
#   bench/rename/run.sh [build-dir]
set -euo pipefail
BUILD=${1:-build}
CLI=$(realpath "$BUILD/src/cli/vantorim-cli")
PERL_RENAME=$(command -v file-rename || command -v rename)
WORK=$(mktemp -d /tmp/vantorim-bench-rename.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
LOG="$WORK/Protokoll.txt"

make_tree() {  # $1 folder, $2 count
  mkdir -p "$1"
  (cd "$1" && seq -f 'img_%06g.jpg' 1 "$2" | xargs touch)
}

make_tree "$WORK/v" 10000
make_tree "$WORK/p" 10000

echo "== 10 000 files: counter rename (Urlaub_00001.jpg ...) and undo"
hyperfine --runs 10 --export-markdown "$WORK/rename.md" \
  -n "vantorim-cli rename + undo" \
  "$CLI rename --mode number --base Urlaub_ --digits 5 --start 1 --log $LOG $WORK/v && $CLI rename --undo --log $LOG" \
  -n "perl rename + reverse rename" \
  "cd $WORK/p && $PERL_RENAME 's/^img_\\d+/sprintf(\"Urlaub_%05d\", ++\$::n)/e' img_*.jpg && $PERL_RENAME 's/^Urlaub_(\\d+)/sprintf(\"img_%06d\", \$1)/e' Urlaub_*.jpg"
# Both trees must be back as they were.
test "$(ls "$WORK/v" | head -1)" = img_000001.jpg
test "$(ls "$WORK/p" | head -1)" = img_000001.jpg

echo "== preview of 100 000 names (nothing renamed)"
make_tree "$WORK/big" 100000
hyperfine --runs 5 --export-markdown "$WORK/preview.md" \
  -n "vantorim-cli rename --preview" \
  "$CLI rename --mode number --base Urlaub_ --digits 6 --start 1 --preview $WORK/big > /dev/null" \
  -n "perl rename -n" \
  "cd $WORK/big && printf '%s\\n' img_*.jpg | $PERL_RENAME -n 's/^img_\\d+/sprintf(\"Urlaub_%06d\", ++\$::n)/e' > /dev/null"
cat "$WORK/rename.md" "$WORK/preview.md"
