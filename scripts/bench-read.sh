#!/usr/bin/env bash
# Measures how fast vianora-stats reads a big GPX file and a big PLT file, against fixed
# targets and, when it is installed, against gpsbabel reading the same files.
#
#   scripts/bench-read.sh [GPX [PLT]]
#
# Builds the release preset; without files, generates bench-data/big.gpx (1,000,000 points,
# about 115 MB) and bench-data/big.plt (the same track, 1,000,000 point lines, about 70 MB)
# when they are missing (bench-data/ is ignored by git). For each file, $RUNS rounds (default
# 5) run `vianora-stats --json FILE > /dev/null` and then gpsbabel's
# `gpsbabel -i gpx|ozi -f FILE -o unicsv -F /dev/null`, one after the other, so that both
# meet the same load; the best wall time of each is kept. Peak memory is measured in one more
# run of each. The "ratio" lines sum up: time against gpsbabel, peak memory against the file.
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
have_gpsbabel=false
if command -v gpsbabel >/dev/null; then have_gpsbabel=true; fi

# A generated file of bench-data/, written when missing: generated NAME FORMAT.
generated() {
  local file="$root/bench-data/$1"
  if [[ ! -s "$file" ]]; then
    mkdir -p "$root/bench-data"
    echo "generating $file ..." >&2
    python3 "$root/scripts/make-big-gpx.py" --format "$2" "$file.part"
    mv "$file.part" "$file"
  fi
  echo "$file"
}

gpx=${1:-$(generated big.gpx gpx)}
plt=${2:-$(generated big.plt plt)}

# Wall time of one run of a command, in nanoseconds.
run_ns() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || { echo "bench-read.sh: failed: $*" >&2; return 1; }
  end=$(date +%s%N)
  echo $((end - start))
}

# Peak resident memory of one run, in KiB.
peak_kib() {
  /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }'
}

seconds() { awk -v ns="$1" 'BEGIN { printf "%.3f", ns / 1e9 }'; }
verdict() { if awk "BEGIN { exit !($1) }"; then echo "ok"; else echo "MISSED"; fi; }

# Best times of $runs alternating rounds: sets ours and theirs (seconds; theirs empty without
# gpsbabel). Arguments: FILE GPSBABEL-FORMAT.
alternate() {
  local file=$1 format=$2 best_ours="" best_theirs="" ns
  for ((i = 0; i < runs; i++)); do
    ns=$(run_ns "$stats" --json "$file")
    if [[ -z "$best_ours" || $ns -lt $best_ours ]]; then best_ours=$ns; fi
    if $have_gpsbabel; then
      ns=$(run_ns gpsbabel -i "$format" -f "$file" -o unicsv -F /dev/null)
      if [[ -z "$best_theirs" || $ns -lt $best_theirs ]]; then best_theirs=$ns; fi
    fi
  done
  ours=$(seconds "$best_ours")
  theirs=""
  if $have_gpsbabel; then theirs=$(seconds "$best_theirs"); fi
}

# Everything about one file. Arguments: FILE GPSBABEL-FORMAT LABEL.
measure() {
  local file=$1 format=$2 label=$3 bytes mb peak ratio_mem ratio=""
  bytes=$(stat -L -c %s "$file")
  mb=$(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1e6 }')
  echo "file: $file ($mb MB)"
  # The file is read once first, so that every tool finds it in the page cache.
  cat "$file" >/dev/null
  alternate "$file" "$format"
  peak=$(peak_kib "$stats" --json "$file")
  ratio_mem=$(awk -v k="$peak" -v b="$bytes" 'BEGIN { printf "%.2f", k * 1024 / b }')
  printf '%-44s %8s s   target < 0.6 s: %s\n' "vianora-stats --json (best of $runs)" "$ours" \
    "$(verdict "$ours < 0.6")"
  printf '%-44s %8.1f MB  = %s x file size, target < 2.5 x: %s\n' "vianora-stats peak memory" \
    "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')" "$ratio_mem" "$(verdict "$ratio_mem < 2.5")"
  if $have_gpsbabel; then
    ratio=$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.3f", a / b }')
    printf '%-44s %8s s   peak %.1f MB\n' "gpsbabel -i $format ... -o unicsv (best of $runs)" \
      "$theirs" "$(awk -v k="$(peak_kib gpsbabel -i "$format" -f "$file" -o unicsv -F /dev/null)" \
      'BEGIN { print k / 1024 }')"
    printf '%-44s %8s     target <= 0.2 (1/5): %s\n' "time ratio vianora-stats / gpsbabel" \
      "$ratio" "$(verdict "$ratio <= 0.2")"
  else
    echo "gpsbabel not on PATH: no comparison (apt-get install gpsbabel)"
  fi
  summary+=("$(printf 'ratio %s time vianora-stats / gpsbabel: %s (%s s / %s s; target <= 0.10: %s)' \
    "$label" "${ratio:-n/a}" "$ours" "${theirs:-n/a}" \
    "$([[ -n "$ratio" ]] && verdict "$ratio <= 0.10" || echo "n/a")")")
  summary+=("$(printf 'ratio %s peak memory / file size: %s (%.1f MB / %s MB; target <= 1.5: %s)' \
    "$label" "$ratio_mem" "$(awk -v k="$peak" 'BEGIN { print k * 1024 / 1e6 }')" "$mb" \
    "$(verdict "$ratio_mem <= 1.5")")")
}

summary=()
measure "$gpx" gpx gpx
echo
measure "$plt" ozi plt
echo
printf '%s\n' "${summary[@]}"
