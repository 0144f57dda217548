# Every arrangement of the example survives dump --as-read, load, dump --as-read
# unchanged, and dump, load, dump too, each time into a fresh copy of the example.
# SPDX-License-Identifier: GPL-3.0-or-later
function(run)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "korain-cli ${ARGN}: exit ${status}\n${errors}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

set(database ${SCRATCH}/round_trip.ko2)
foreach(block IN LISTS BLOCKS)
  foreach(mode "--as-read" "")
    file(COPY_FILE ${EXAMPLE} ${database})
    run(dump ${database} ${block} ${mode})
    set(before "${output}")
    file(WRITE ${SCRATCH}/round_trip.json "${before}")
    run(load ${database} ${block} ${SCRATCH}/round_trip.json)
    run(dump ${database} ${block} ${mode})
    if(NOT output STREQUAL before)
      file(WRITE ${SCRATCH}/round_trip_after.json "${output}")
      message(FATAL_ERROR "block ${block} ${mode}: the dump after load differs; "
                          "compare round_trip.json with round_trip_after.json")
    endif()
  endforeach()
endforeach()
