# Runs vianora-stats as a user does and compares what it prints with the expected files.
# Arguments: TOOL (the program), SOURCE_DIR (the repository), WORK_DIR (a scratch folder).
set(dir "${SOURCE_DIR}/tests/cli/golden")

function(check name expected_status)
  execute_process(
    COMMAND ${TOOL} ${ARGN}
    WORKING_DIRECTORY "${SOURCE_DIR}"
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status STREQUAL "${expected_status}")
    message(SEND_ERROR "${name}: exit status ${status}, expected ${expected_status}\n${err}")
  endif()
  foreach(stream out err)
    set(file "${dir}/${name}.${stream}")
    if(EXISTS "${file}")
      file(READ "${file}" expected)
    else()
      set(expected "")
    endif()
    if(NOT "${${stream}}" STREQUAL "${expected}")
      message(SEND_ERROR "${name}: std${stream} differs from ${file}:\n${${stream}}")
    endif()
  endforeach()
endfunction()

check(wikipedia-text 0 samples/gpx/georust-wikipedia_example.gpx)
check(wikipedia-json 0 --json samples/gpx/georust-wikipedia_example.gpx)
check(two-files-json 0 --json samples/gpx/georust-caltopo-export.gpx tests/cli/data/track.PLT)
# One table of the details of every trip, as CSV.
check(pauses-csv 0 --csv pauses samples/gpx/gpxpy-around-visnjan-with-car.gpx
      samples/gpx/togeojson-Friday-Evening-Run.gpx)
check(splits-csv 0 --csv splits samples/gpx/gpxpy-around-visnjan-with-car.gpx
      samples/gpx/togeojson-Friday-Evening-Run.gpx)
check(failures 1 tests/cli/data/bad-times.gpx tests/cli/data/bad-day.plt tests/cli/data/missing.gpx)
check(unknown-type 2 tests/cli/data/notes.txt samples/gpx/georust-wikipedia_example.gpx)
check(forced-type 1 --json --type plt tests/cli/data/notes.txt)
# Read by content before extension; a file that brings no point, a folder and a device (which
# is not read: it would never end) are reported.
check(nothing-read 1 tests/cli/data/waypoints.gpx tests/cli/data/gpx-inside.plt tests/cli/data
      /dev/zero)
check(usage 2 --type kml x.gpx)
# Terminal controls in a trip's name or in a path are written as \xNN, never sent raw. Trips
# 0 and 1 have fewer than two points: only trip 2 gets charts.
string(ASCII 27 esc)
file(REMOVE_RECURSE "${WORK_DIR}/few")
check(hostile-names 1 --svg "${WORK_DIR}/few" tests/cli/data/hostile-names.gpx
      "tests/cli/data/${esc}[2Jmissing.gpx")
file(GLOB charts RELATIVE "${WORK_DIR}/few" "${WORK_DIR}/few/*")
list(SORT charts)
if(NOT charts STREQUAL "2-distance.svg;2-map.svg;2-profile.svg")
  message(SEND_ERROR "hostile-names: charts written: ${charts}")
endif()

# Charts as SVG: one file per chart and trip, the same bytes every time. A link that stands
# where a chart goes is replaced by the chart; the file it points at stays as it was.
file(REMOVE_RECURSE "${WORK_DIR}/svg")
file(MAKE_DIRECTORY "${WORK_DIR}/svg")
file(WRITE "${WORK_DIR}/outside.svg" "not a chart")
file(CREATE_LINK "${WORK_DIR}/outside.svg" "${WORK_DIR}/svg/0-map.svg" SYMBOLIC)
check(svg-charts 0 --svg "${WORK_DIR}/svg" samples/gpx/georust-wikipedia_example.gpx
      tests/cli/data/track.PLT)
file(READ "${WORK_DIR}/outside.svg" outside)
if(NOT outside STREQUAL "not a chart" OR IS_SYMLINK "${WORK_DIR}/svg/0-map.svg")
  message(SEND_ERROR "svg-charts: the link 0-map.svg was followed or kept")
endif()
foreach(chart 0-map 0-profile 0-distance 1-map 1-profile 1-distance)
  file(READ "${WORK_DIR}/svg/${chart}.svg" written)
  file(READ "${dir}/svg/${chart}.svg" expected)
  if(NOT written STREQUAL expected)
    message(SEND_ERROR "svg-charts: ${chart}.svg differs from ${dir}/svg/${chart}.svg")
  endif()
endforeach()

# An empty folder name is a usage error (check() cannot pass an empty argument).
execute_process(COMMAND ${TOOL} --svg "" x.gpx ERROR_VARIABLE err RESULT_VARIABLE status)
file(READ "${dir}/svg-empty-folder.err" expected)
if(NOT status EQUAL 2 OR NOT err STREQUAL expected)
  message(SEND_ERROR "svg-empty-folder: exit status ${status}, expected 2\n${err}")
endif()

# --svg-scales draws over the same charts: each line of them is there, and the profiles' units.
file(REMOVE_RECURSE "${WORK_DIR}/scales")
check(svg-charts 0 --svg-scales "${WORK_DIR}/scales" samples/gpx/georust-wikipedia_example.gpx
      tests/cli/data/track.PLT)
foreach(chart 0-map 0-profile 0-distance 1-map 1-profile 1-distance)
  file(STRINGS "${dir}/svg/${chart}.svg" design)
  file(READ "${WORK_DIR}/scales/${chart}.svg" written)
  foreach(expected IN LISTS design ITEMS ">m</text>" ">km/h</text>")
    string(FIND "${written}" "${expected}" at)
    if(at EQUAL -1 AND NOT (chart MATCHES "map|distance" AND expected MATCHES "^>"))
      message(SEND_ERROR "svg-scales: ${chart}.svg lacks ${expected}")
    endif()
  endforeach()
endforeach()
