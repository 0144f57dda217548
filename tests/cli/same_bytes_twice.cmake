# Runs korain-cli twice under the same SOURCE_DATE_EPOCH into two files and
# requires the same bytes: CLI, ARGS (with @OUT@ for the output), OUT1, OUT2.
# SPDX-License-Identifier: GPL-3.0-or-later
foreach(out ${OUT1} ${OUT2})
  string(REPLACE "@OUT@" "${out}" args "${ARGS}")
  file(REMOVE ${out})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=1700000000 ${CLI} ${args}
    RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "korain-cli ${args}: exit ${status}: ${errors}")
  endif()
  # Apart in time, so that a clock in the file would differ.
  execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1.1)
endforeach()
file(SHA256 ${OUT1} first)
file(SHA256 ${OUT2} second)
if(NOT first STREQUAL second)
  message(FATAL_ERROR "${OUT1} and ${OUT2} differ")
endif()
