#!/usr/bin/env bash
# Counts the lines of C++ under src/ and under tests/ and prints their ratio (tests / src):
#
#   scripts/count-lines.sh [--check MAX]
#
# prints e.g. "src 7819  tests 6259  ratio 0.80" and exits 0. With --check MAX it exits 1
# when the ratio is above MAX (e.g. --check 0.35), so that the test code can be held to a
# share of the code it tests. Counts every line of every .cpp and .h file, blank lines and
# comments included: a plain measure anyone can repeat with wc.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

usage() {
  echo "usage: scripts/count-lines.sh [--check MAX]" >&2
  exit 2
}

max=""
case $# in
  0) ;;
  2) [[ $1 == --check && $2 =~ ^[0-9]+(\.[0-9]+)?$ ]] || usage; max=$2 ;;
  *) usage ;;
esac

# Lines of the .cpp and .h files under a folder (0 when there are none).
count_lines() {
  find "$1" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 -r cat | wc -l
}

src=$(count_lines src)
tests=$(count_lines tests)
if ((src == 0)); then
  echo "count-lines.sh: no .cpp or .h file under src/" >&2
  exit 2
fi
ratio=$(awk -v t="$tests" -v s="$src" 'BEGIN { printf "%.2f", t / s }')
echo "src $src  tests $tests  ratio $ratio"

# The check compares the ratio as printed, so that it never disagrees with the line above.
if [[ -n $max ]] && awk -v r="$ratio" -v m="$max" 'BEGIN { exit !(r > m + 0) }'; then
  echo "count-lines.sh: tests are $ratio x src, above $max" >&2
  exit 1
fi
exit 0
