#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a short while.
# usage: tools/fuzz-smoke.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=${2:-20}
top=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in "$build"/tests/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$(mktemp -d)
  seeds="$top/tests/data/fuzz/${name#fuzz_}"
  [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
  echo "== $name ($seconds s)"
  if ! "$target" -seed=1 -artifact_prefix="$build/" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=0 \
      "$corpus" >"$corpus.log" 2>&1; then
    tail -n 60 "$corpus.log"
    status=1
  fi
  rm -rf "$corpus" "$corpus.log"
done
exit $status
