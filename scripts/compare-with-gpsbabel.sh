#!/usr/bin/env bash
# Prints, for every FIT, TCX and IGC sample in ../shared/samples, whether the trip that the
# native reader reads agrees with the one read from GPSBabel's GPX of the same file:
#
#   scripts/compare-with-gpsbabel.sh [BUILD_DIR]
#
# one line per sample, "agree NAME: figures" or "differ NAME: figures (GPSBabel's where they
# differ)"; the figures are the points, distance (km), ascent, lowest and highest altitude
# (m), start and end (day numbers). The comparison is the test GpsBabelAgreement, built in
# BUILD_DIR (default build/test); exits 1 when a sample differs, 77 without GPSBabel.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/test}
command -v gpsbabel >/dev/null || { echo "compare-with-gpsbabel.sh: gpsbabel is not installed" >&2; exit 77; }
cmake --build "$build" --target gpsbabel_import_test >/dev/null
status=0
output=$("$build/tests/gpsbabel_import_test" --gtest_filter='GpsBabelAgreement.*') || status=1
grep -E '^(agree|differ) ' <<<"$output" | sed 's/:$/: no point read by either/' | sort -k2
exit $status
