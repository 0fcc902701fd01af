#!/usr/bin/env bash
# Times `vantorim-cli find` against fd and find (name mask) and against ripgrep and
# grep (fixed phrase) on a generated tree of 50 000 files. Run by hand:
#   bench/search/run.sh [path/to/vantorim-cli]
# Needs hyperfine, fdfind, rg. The tree is made once in $BENCH_DIR (default under /tmp).
set -euo pipefail

CLI=${1:-$(dirname "$0")/../../build/src/cli/vantorim-cli}
CLI=$(realpath "$CLI")
DIR=${BENCH_DIR:-/tmp/vantorim-bench-search}
PHRASE="needle in the haystack"
MASK="*.log"
RUNS=${RUNS:-10}

make_tree() {
  echo "Making 50 000 files in $DIR ..."
  rm -rf "$DIR.tmp"
  python3 - "$DIR.tmp" "$PHRASE" <<'PY'
import os, random, sys
root, phrase = sys.argv[1], sys.argv[2]
random.seed(7)
words = "alpha beta gamma delta epsilon zeta eta theta iota kappa lambda needle haystack".split()
exts = [".txt", ".log", ".c", ".h", ".md", ".json", ".dat", ".cfg", ".py", ".html"]
n = 0
for a in range(50):
    for b in range(10):
        d = os.path.join(root, f"dir{a:02d}", f"sub{b}")
        os.makedirs(d, exist_ok=True)
        for c in range(100):
            name = f"file{n:05d}{exts[n % len(exts)]}"
            size = random.choice([200, 800, 2000, 6000, 20000])
            text = " ".join(random.choice(words) for _ in range(size // 6))
            if n % 97 == 0:  # about 1% carry the phrase, some across 64 KiB reads
                pos = random.randrange(len(text))
                text = text[:pos] + " " + phrase + " " + text[pos:]
            with open(os.path.join(d, name), "w") as f:
                f.write(text)
            n += 1
PY
  mv "$DIR.tmp" "$DIR"
}

[ -d "$DIR" ] || make_tree
echo "Files: $(find "$DIR" -type f | wc -l)"

same() {  # same() label cmd1 cmd2 ...: all commands list the same paths
  local label=$1; shift
  local ref="" out
  for cmd in "$@"; do
    out=$(bash -c "$cmd" | sed 's|//*|/|g' | sort | md5sum)
    if [ -z "$ref" ]; then ref=$out; elif [ "$out" != "$ref" ]; then
      echo "DIFFERENT RESULTS for $label: $cmd"; exit 1; fi
  done
  echo "$label: all tools list $(bash -c "$1" | wc -l) paths"
}

NAME_CMDS=(
  "$CLI find -n '$MASK' $DIR"
  "fdfind -uu -i -t f -g '$MASK' $DIR"
  "find $DIR -type f -iname '$MASK'"
)
TEXT_CMDS=(
  "$CLI find -c '$PHRASE' --case-sensitive $DIR"
  "rg -F -uuu -l '$PHRASE' $DIR"
  "grep -rlF '$PHRASE' $DIR"
)
same "name mask" "${NAME_CMDS[@]}"
same "phrase" "${TEXT_CMDS[@]}"

OUT=$(dirname "$0")/results
mkdir -p "$OUT"
hyperfine -N --warmup 3 --runs "$RUNS" --export-markdown "$OUT/names.md" "${NAME_CMDS[@]}"
hyperfine -N --warmup 3 --runs "$RUNS" --export-markdown "$OUT/content.md" "${TEXT_CMDS[@]}"
