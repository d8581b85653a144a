#!/usr/bin/env bash
# Measures how fast vianora-stats reads a big GPX file, against fixed targets and, when it
# is installed, against gpsbabel reading the same file.
#
#   scripts/bench-read.sh [FILE]
#
# Builds the release preset; without FILE, generates bench-data/big.gpx (1,000,000 points,
# about 115 MB; bench-data/ is ignored by git) when it is missing. Prints the best wall time
# of $RUNS runs (default 5) of `vianora-stats --json FILE > /dev/null`, its peak memory, and
# gpsbabel's best time for `gpsbabel -i gpx -f FILE -o unicsv -F /dev/null`.
# Needs GNU time (apt-get install time); gpsbabel is optional (apt-get install gpsbabel).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${RUNS:-5}
cd "$root"

if [[ ! -x /usr/bin/time ]]; then
  echo "bench-read.sh: GNU time is missing (apt-get install time)" >&2
  exit 2
fi

cmake --preset release >/dev/null
cmake --build --preset release --target vianora-stats >/dev/null
stats="$root/build/release/src/cli/vianora-stats"

file=${1:-}
if [[ -z "$file" ]]; then
  file="$root/bench-data/big.gpx"
  if [[ ! -s "$file" ]]; then
    mkdir -p "$root/bench-data"
    echo "generating $file ..."
    python3 "$root/scripts/make-big-gpx.py" "$file.part"
    mv "$file.part" "$file"
  fi
fi
bytes=$(stat -c %s "$file")

# Best wall time of a command over $runs runs, in seconds (nanosecond clock).
best_time() {
  local best="" start end elapsed
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || { echo "bench-read.sh: failed: $*" >&2; return 1; }
    end=$(date +%s%N)
    elapsed=$((end - start))
    if [[ -z "$best" || $elapsed -lt $best ]]; then best=$elapsed; fi
  done
  awk -v ns="$best" 'BEGIN { printf "%.3f", ns / 1e9 }'
}

# Peak resident memory of one run, in KiB.
peak_kib() {
  /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }'
}

verdict() { if awk "BEGIN { exit !($1) }"; then echo "ok"; else echo "MISSED"; fi; }

mb=$(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1e6 }')
echo "file: $file ($mb MB)"

# The file is read once first, so that every tool finds it in the page cache.
cat "$file" >/dev/null

ours=$(best_time "$stats" --json "$file")
peak=$(peak_kib "$stats" --json "$file")
ratio_mem=$(awk -v k="$peak" -v b="$bytes" 'BEGIN { printf "%.2f", k * 1024 / b }')
printf '%-44s %8s s   target < 0.6 s: %s\n' "vianora-stats --json (best of $runs)" "$ours" \
  "$(verdict "$ours < 0.6")"
printf '%-44s %8.1f MB  = %s x file size, target < 2.5 x: %s\n' "vianora-stats peak memory" \
  "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')" "$ratio_mem" "$(verdict "$ratio_mem < 2.5")"

if command -v gpsbabel >/dev/null; then
  theirs=$(best_time gpsbabel -i gpx -f "$file" -o unicsv -F /dev/null)
  ratio=$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.3f", a / b }')
  printf '%-44s %8s s\n' "gpsbabel -i gpx ... -o unicsv (best of $runs)" "$theirs"
  printf '%-44s %8s     target <= 0.2 (1/5): %s\n' "time ratio vianora-stats / gpsbabel" \
    "$ratio" "$(verdict "$ratio <= 0.2")"
else
  echo "gpsbabel not on PATH: no comparison (apt-get install gpsbabel)"
fi
