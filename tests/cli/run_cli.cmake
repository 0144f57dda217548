# Runs korain-cli with ARGS (a ;-list) and checks its exit status against EXIT and,
# when EXPECTED names a file, its standard output against that file's content.
# With KORAIN_UPDATE_EXPECTED in the environment, writes the output to EXPECTED instead of comparing.
execute_process(COMMAND ${CLI} ${ARGS}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL EXIT)
  message(FATAL_ERROR "korain-cli ${ARGS}: exit ${status}, expected ${EXIT}\n${errors}")
endif()
if(DEFINED EXPECTED AND NOT EXPECTED STREQUAL "")
  if(DEFINED ENV{KORAIN_UPDATE_EXPECTED})
    file(WRITE ${EXPECTED} "${output}")
  else()
    file(READ ${EXPECTED} expected)
    if(NOT output STREQUAL expected)
      file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/actual_output.txt "${output}")
      message(FATAL_ERROR "korain-cli ${ARGS}: output differs from ${EXPECTED}; "
                          "see actual_output.txt, and run scripts/update-expected after review")
    endif()
  endif()
endif()
if(DEFINED ERROR_TEXT AND NOT errors MATCHES "${ERROR_TEXT}")
  message(FATAL_ERROR "korain-cli ${ARGS}: standard error lacks '${ERROR_TEXT}':\n${errors}")
endif()
