#!/usr/bin/env bash
# Measures reading many files at once against reading them one by one:
# `vianora-stats --json` given 700 GPX files of about 1 MB each, against the sum of 700 runs
# given one file each.
#
#   scripts/bench-many.sh
#
# Builds the release preset; writes bench-data/many/ (700 copies of one 8,640-point track
# from make-big-gpx.py, each its own file; bench-data/ is ignored by git) when it is missing.
# $RUNS rounds (default 3) each time both ways, one after the other; the best of each is kept.
# A third measure times 700 runs of `vianora-stats --version`, the cost of starting the program
# for each file, which the one-by-one sum holds and the single run does not. A fourth runs the
# program given every file with VIANORA_READ_WORKERS=0, which makes it read them one after
# another on its main thread, without workers (the way of before the workers): the same run
# but for the threads. Also checks that the trips come out in the order the files were given,
# and prints the peak memory of the run given every file.
# Needs GNU time (apt-get install time).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${RUNS:-3}
count=700
points=8640  # about 1 MB of GPX
cd "$root"

if [[ ! -x /usr/bin/time ]]; then
  echo "bench-many.sh: GNU time is missing (apt-get install time)" >&2
  exit 2
fi

cmake --preset release >/dev/null
cmake --build --preset release --target vianora-stats >/dev/null
stats="$root/build/release/src/cli/vianora-stats"

folder="$root/bench-data/many"
if [[ ! -s "$folder/many-$((count - 1)).gpx" ]]; then
  echo "generating $count files in $folder ..." >&2
  mkdir -p "$folder"
  python3 "$root/scripts/make-big-gpx.py" -n "$points" "$folder/one.part"
  for ((i = 0; i < count; i++)); do cp "$folder/one.part" "$folder/many-$i.gpx"; done
  rm "$folder/one.part"
fi
# Given in an order that is not the order of the names, so that sorting would show.
files=()
for ((i = 0; i < count; i++)); do files+=("$folder/many-$(((i * 337) % count)).gpx"); done
cat "${files[@]}" >/dev/null  # into the page cache

now() { date +%s%N; }
best_all="" best_each="" best_launch="" best_serial=""
for ((r = 0; r < runs; r++)); do
  start=$(now)
  "$stats" --json "${files[@]}" >/dev/null
  ns=$(($(now) - start))
  if [[ -z "$best_all" || $ns -lt $best_all ]]; then best_all=$ns; fi

  start=$(now)
  for file in "${files[@]}"; do "$stats" --json "$file" >/dev/null; done
  ns=$(($(now) - start))
  if [[ -z "$best_each" || $ns -lt $best_each ]]; then best_each=$ns; fi

  start=$(now)
  VIANORA_READ_WORKERS=0 "$stats" --json "${files[@]}" >/dev/null
  ns=$(($(now) - start))
  if [[ -z "$best_serial" || $ns -lt $best_serial ]]; then best_serial=$ns; fi

  # What the one-by-one runs spend on starting and ending the program alone.
  start=$(now)
  for file in "${files[@]}"; do "$stats" --version >/dev/null; done
  ns=$(($(now) - start))
  if [[ -z "$best_launch" || $ns -lt $best_launch ]]; then best_launch=$ns; fi
done

# The trips must name their files in the order given.
if ! diff <("$stats" --json "${files[@]}" | sed -n 's/^ *"file": "\(.*\)",$/\1/p') \
  <(printf '%s\n' "${files[@]}") >/dev/null; then
  echo "bench-many.sh: the trips are not in the order of the files given" >&2
  exit 1
fi

# Read on workers or one after another, the output is the same.
if ! cmp -s <("$stats" --json "${files[@]}" 2>&1) \
  <(VIANORA_READ_WORKERS=0 "$stats" --json "${files[@]}" 2>&1); then
  echo "bench-many.sh: the run without workers printed something else" >&2
  exit 1
fi

peak=$(/usr/bin/time -f '%M' "$stats" --json "${files[@]}" 2>&1 >/dev/null | tail -1)
total=$(du -cb "${files[@]}" | tail -1 | cut -f1)
seconds() { awk -v ns="$1" 'BEGIN { printf "%.3f", ns / 1e9 }'; }
ratio=$(awk -v a="$best_all" -v b="$best_each" 'BEGIN { printf "%.3f", a / b }')
ratio_read=$(awk -v a="$best_all" -v b="$best_each" -v l="$best_launch" \
  'BEGIN { printf "%.3f", a / (b - l) }')
ratio_serial=$(awk -v a="$best_all" -v s="$best_serial" 'BEGIN { printf "%.3f", a / s }')
verdict=$(awk -v r="$ratio" 'BEGIN { print (r <= 0.6 ? "ok" : "MISSED") }')
verdict_serial=$(awk -v r="$ratio_serial" 'BEGIN { print (r <= 0.6 ? "ok" : "MISSED") }')
echo "files: $count of $(awk -v b="$total" -v n="$count" 'BEGIN { printf "%.2f", b / n / 1e6 }') MB, trips in the order given"
printf '%-44s %8s s\n' "all at once (best of $runs)" "$(seconds "$best_all")"
printf '%-44s %8s s\n' "one by one, summed (best of $runs)" "$(seconds "$best_each")"
printf '%-44s %8s s\n' "$count runs of vianora-stats --version" "$(seconds "$best_launch")"
printf '%-44s %8s s\n' "one run, one after another (best of $runs)" "$(seconds "$best_serial")"
printf '%-44s %8.1f MB\n' "peak memory, all at once" "$(awk -v k="$peak" 'BEGIN { print k * 1024 / 1e6 }')"
echo "ratio many files all at once / one by one: $ratio (target <= 0.6: $verdict)"
# Without the program's start for each file.
echo "ratio many files all at once / one by one less the program starts: $ratio_read"
# The same run reading the files one after another, with no worker.
echo "ratio many files all at once / one run one after another: $ratio_serial (target <= 0.6: $verdict_serial)"
