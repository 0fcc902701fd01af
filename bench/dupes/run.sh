#!/bin/sh
# Times vantorim-cli dupes beside jdupes and rmlint on the same 50 000-file tree
# and checks that all three find the same groups. Run by hand:
#   bench/dupes/run.sh [build-dir] [tree-dir]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
tree=${2:-/tmp/vantorim-bench-dupes}
cli=$build/src/cli/vantorim-cli
out=$(mktemp -d)
[ -d "$tree" ] || python3 "$here/make_tree.py" "$tree"

"$cli" dupes "$tree" > "$out/vantorim.txt" 2>/dev/null || true
jdupes -r -q "$tree" > "$out/jdupes.txt" || true
(cd "$out" && rmlint -T df -o json:rmlint.json "$tree" > /dev/null) || true
for k in vantorim jdupes; do python3 "$here/normalize.py" $k "$out/$k.txt" > "$out/$k.groups"; done
python3 "$here/normalize.py" rmlint "$out/rmlint.json" > "$out/rmlint.groups"
wc -l "$out"/*.groups
cmp "$out/vantorim.groups" "$out/jdupes.groups" && echo "same groups as jdupes"
cmp "$out/vantorim.groups" "$out/rmlint.groups" && echo "same groups as rmlint"

# Warm cache: every tool reads from memory; the first run of each warms it.
hyperfine --warmup 1 --runs 5 \
  "$cli dupes $tree > /dev/null 2>&1; true" \
  "jdupes -r -q $tree > /dev/null; true" \
  "cd $out && rmlint -T df -o summary:/dev/null $tree > /dev/null; true"
rm -rf "$out"
