#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer, ASan + UBSan) and runs each fuzz target for a
# bounded time. Never part of CI: it refuses to run there.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS is the time of each target (default 60, or $FUZZ_SECONDS); TARGETs default to all
# of fuzz_leggi_gpx fuzz_leggi_plt fuzz_leggi_fit fuzz_leggi_tcx fuzz_leggi_igc fuzz_gpx_date. The
# seed inputs in fuzz/corpus/ are only read; what the fuzzer finds on the way is kept in
# build/fuzz/corpus/<target>/ for the next run. Crashes, timeouts, leaks and out-of-memory
# inputs go to $FUZZ_FINDINGS (default /tmp/fuzz-findings/), outside the repository, each
# with a minimized copy (*.min).
# Exit status: 0 when every target ran clean, 1 when one found something, 2 for usage.
set -euo pipefail

if [[ -n "${CI:-}" ]]; then
  echo "fuzz.sh: not run in CI (it runs for minutes and needs clang's libFuzzer)" >&2
  exit 0
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-${FUZZ_SECONDS:-60}}
[[ $# -gt 0 ]] && shift
targets=("$@")
[[ ${#targets[@]} -eq 0 ]] &&
  targets=(fuzz_leggi_gpx fuzz_leggi_plt fuzz_leggi_fit fuzz_leggi_tcx fuzz_leggi_igc fuzz_gpx_date)
findings=${FUZZ_FINDINGS:-/tmp/fuzz-findings}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [[ "$seconds" -eq 0 ]]; then
  echo "usage: scripts/fuzz.sh [SECONDS] [TARGET...]" >&2
  exit 2
fi

cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]}"

mkdir -p "$findings"
status=0
for target in "${targets[@]}"; do
  case "$target" in
    fuzz_leggi_gpx) seeds=fuzz/corpus/gpx dict=(-dict=fuzz/gpx.dict) ;;
    fuzz_leggi_plt) seeds=fuzz/corpus/plt dict=(-dict=fuzz/plt.dict) ;;
    fuzz_leggi_tcx) seeds=fuzz/corpus/tcx dict=(-dict=fuzz/tcx.dict) ;;
    fuzz_leggi_igc) seeds=fuzz/corpus/igc dict=(-dict=fuzz/igc.dict) ;;
    fuzz_leggi_fit) seeds=fuzz/corpus/fit dict=() ;;
    fuzz_gpx_date) seeds=fuzz/corpus/gpx_date dict=() ;;
    *) echo "fuzz.sh: unknown target $target" >&2; exit 2 ;;
  esac
  work="build/fuzz/corpus/$target"
  mkdir -p "$work"
  log="build/fuzz/$target.log"
  echo "== $target: ${seconds}s, log in $log"
  before=$(ls "$findings" | grep -c "^$target-" || true)
  set +e
  # -timeout is per input; -max_total_time bounds the whole run.
  "build/fuzz/fuzz/$target" "$work" "$seeds" "${dict[@]}" \
    -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix="$findings/$target-" -print_final_stats=1 >"$log" 2>&1
  rc=$?
  set -e
  grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|Done )" "$log" || true
  # Minimize what was found, leaving the original beside the minimized copy.
  for artifact in "$findings/$target-"*; do
    [[ -e "$artifact" && "$artifact" != *.min ]] || continue
    [[ -e "$artifact.min" ]] && continue
    "build/fuzz/fuzz/$target" "$artifact" -minimize_crash=1 -max_total_time=60 -timeout=10 \
      -runs=100000 -exact_artifact_path="$artifact.min" >"$artifact.min.log" 2>&1 || true
    [[ -e "$artifact.min" ]] || cp "$artifact" "$artifact.min"
  done
  after=$(ls "$findings" | grep -c "^$target-" || true)
  if [[ $rc -ne 0 || "$after" -ne "$before" ]]; then
    echo "!! $target stopped with status $rc; see $log and $findings/" >&2
    grep -E "^(==[0-9]+==ERROR|SUMMARY|.*runtime error|fuzz_.*: )" "$log" | head -5 >&2 || true
    status=1
  fi
done
exit $status
