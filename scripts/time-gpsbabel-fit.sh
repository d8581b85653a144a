#!/usr/bin/env bash
# Times the FIT reader against GPSBabel on the benchmarks' generated 1,000,000-record FIT file
# (the input of LeggiFit/1M):
#
#   scripts/time-gpsbabel-fit.sh
#
# Builds the release preset, writes bench-data/big.fit when it is missing (bench-data/ is
# ignored by git), and prints the best wall time of $RUNS runs (default 3) of:
#   the reader alone         LeggiFit/1M of vianora_benchmarks (its mean time)
#   vianora-stats --json     reading the file, statistics and JSON, written to /dev/null
#   gpsbabel                 gpsbabel -i garmin_fit -f FILE -o gpx -F /dev/null
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${RUNS:-3}
cd "$root"

if ! command -v gpsbabel >/dev/null; then
  echo "time-gpsbabel-fit.sh: gpsbabel is not installed (apt-get install gpsbabel)" >&2
  exit 2
fi
cmake --preset release >/dev/null
cmake --build --preset release --target vianora_write_track vianora-stats vianora_benchmarks \
  >/dev/null
bin="$root/build/release"

file="$root/bench-data/big.fit"
if [[ ! -s "$file" ]]; then
  mkdir -p "$root/bench-data"
  "$bin/bench/vianora_write_track" fit 1000000 "$file.part"
  mv "$file.part" "$file"
fi

# Best wall time of a command over $runs runs, in seconds (nanosecond clock).
best_time() {
  local best="" start end elapsed
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || { echo "time-gpsbabel-fit.sh: failed: $*" >&2; return 1; }
    end=$(date +%s%N)
    elapsed=$((end - start))
    if [[ -z "$best" || $elapsed -lt $best ]]; then best=$elapsed; fi
  done
  awk -v ns="$best" 'BEGIN { printf "%.3f", ns / 1e9 }'
}

echo "file: $file ($(awk -v b="$(stat -c %s "$file")" 'BEGIN { printf "%.1f", b / 1e6 }') MB)"
cat "$file" >/dev/null  # into the page cache for every program

reader=$("$bin/bench/vianora_benchmarks" --benchmark_filter='^LeggiFit/1M' \
  --benchmark_format=csv 2>/dev/null | awk -F, '/^"LeggiFit\/1M/ { printf "%.3f", $3 / 1000 }')
ours=$(best_time "$bin/src/cli/vianora-stats" --json "$file")
theirs=$(best_time gpsbabel -i garmin_fit -f "$file" -o gpx -F /dev/null)
printf '%-46s %8s s\n' "LeggiFit/1M (the reader alone, mean)" "$reader" \
  "vianora-stats --json (best of $runs)" "$ours" \
  "gpsbabel -i garmin_fit ... -o gpx (best of $runs)" "$theirs"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%-46s %8.3f\n", "time ratio vianora-stats / gpsbabel", a / b }'
