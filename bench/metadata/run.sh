#!/usr/bin/env bash
# Times reading the metadata of every sample picture: vantorim-cli exif --json beside
# exiv2 -pa and exiftool -j on the same files. Run by hand, never in CI.
# usage: bench/metadata/run.sh [BUILD_DIR] [PICTURE_DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
pictures=${2:-$top/../shared/corpus/exif-samples}
cli=$build/src/cli/vantorim-cli
list=$(mktemp)
trap 'rm -f "$list"' EXIT
find "$pictures" -type f \( -iname '*.jpg' -o -iname '*.jpeg' -o -iname '*.tif' -o -iname '*.tiff' \) | sort >"$list"
echo "$(wc -l <"$list") files, $(du -ch $(cat "$list") | tail -1 | cut -f1)"
# All files in one process each, as a user would call the tools on a folder.
hyperfine --warmup 2 --runs 10 --ignore-failure \
  "xargs -d '\n' $cli exif --json <$list >/dev/null" \
  "xargs -d '\n' exiv2 -pa <$list >/dev/null 2>&1" \
  "xargs -d '\n' exiftool -j <$list >/dev/null 2>&1"
