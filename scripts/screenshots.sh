#!/usr/bin/env bash
# Takes screenshots of the program as a user sees it, on a virtual X display:
#   main.png    the main window with a trip window refreshed on a sample track
#   profile.png the same trip window on its "Profile" tab, the mouse on the curve
#   distance.png and on its "Distance" tab
#   distance-clock.png that tab with the time of day on its time axis
#   map-cursor.png the map with the point picked on the other charts, zoomed in two notches
#   details.png its "Details" tab, the second split chosen
#   map-stretch.png the map marking that split
#   about.png   the About window over it
# Usage: scripts/screenshots.sh [OUTPUT_DIR] [TRACK]   (default: build/screenshots, a sample)
# Needs xvfb, xdotool and imagemagick (apt-get install -y xvfb xauth xdotool imagemagick).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
inside=false
if [[ ${1:-} == --inside ]]; then inside=true; shift; fi
out=${1:-$root/build/screenshots}
track=${2:-$root/samples/gpx/georust-garmin-activity.gpx}
program=${VIANORA:-$root/build/release/src/gui/vianora}
mkdir -p "$out"

for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshots.sh: $tool is missing" >&2; exit 2; }
done
[[ -x "$program" ]] || { echo "screenshots.sh: build the program first ($program)" >&2; exit 2; }

# Runs inside the virtual display.
shoot() {
  "$program" "$track" &
  local pid=$!
  sleep 3
  local main
  main=$(xdotool search --sync --name '^Vianora$' | head -1)
  xdotool windowsize "$main" 1240 900 windowmove "$main" 0 0
  sleep 1
  import -window root "$out/main.png"
  # The "Profile" tab of the trip window, the mouse over the middle of the curve.
  xdotool mousemove --window "$main" 86 163 click 1
  sleep 1
  xdotool mousemove --window "$main" 500 450
  sleep 1
  import -window root "$out/profile.png"
  # The "Distance" tab.
  xdotool mousemove --window "$main" 150 163 click 1
  sleep 1
  xdotool mousemove --window "$main" 420 450
  sleep 1
  import -window root "$out/distance.png"
  # Its time axis choice, at the right end of the tab strip: the time of day, then back.
  xdotool mousemove --window "$main" 940 163 click 1 key Down Return
  sleep 1
  import -window root "$out/distance-clock.png"
  xdotool mousemove --window "$main" 940 163 click 1 key Up Return
  sleep 1
  # The map, two wheel notches zoomed in around a place on the sample's track, which the
  # mouse picks.
  xdotool mousemove --window "$main" 33 163 click 1
  sleep 1
  xdotool mousemove --window "$main" 178 463 click 4 click 4
  sleep 1
  xdotool mousemove --window "$main" 180 465
  sleep 1
  import -window root "$out/map-cursor.png"
  # The "Details" tab, the second row of the splits table chosen, and the map marking it.
  xdotool mousemove --window "$main" ${DETAILS_TAB:-218 163} click 1
  sleep 1
  xdotool mousemove --window "$main" ${SECOND_SPLIT:-700 318} click 1
  sleep 1
  import -window root "$out/details.png"
  xdotool mousemove --window "$main" 33 163 click 1
  sleep 1
  import -window root "$out/map-stretch.png"
  # The "?" command stands third on the menu bar.
  xdotool mousemove --window "$main" 118 12 click 1
  sleep 1
  import -window root "$out/about.png"
  kill "$pid"
}
if $inside; then
  shoot
else
  xvfb-run -a -s "-screen 0 1280x960x24" bash "$0" --inside "$out" "$track"
  echo "screenshots in $out"
fi
