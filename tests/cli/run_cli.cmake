# Runs korain-cli with ARGS (a ;-list) and checks its exit status against EXIT and,
# when EXPECTED names a file, its standard output against that file's content.
# With KORAIN_UPDATE_EXPECTED in the environment, writes the output to EXPECTED instead of comparing.
# COPY_FROM and COPY_TO prepare a scratch copy of a database first, made
# read-only when READ_ONLY is set, and with UNCHANGED the copy must still hold
# the bytes it was made from after the run; OUTPUT_TEXT and ERROR_TEXT are
# regular expressions that standard output and standard error must match, and
# with QUIET standard error must stay empty.
# With EMPTY_LAST an empty argument follows ARGS, which a ;-list cannot hold.
# ABSENT names a file the run must not leave behind.
# SPDX-License-Identifier: GPL-3.0-or-later
if(DEFINED COPY_FROM AND NOT COPY_FROM STREQUAL "")
  file(COPY_FILE ${COPY_FROM} ${COPY_TO})
  if(READ_ONLY)
    file(CHMOD ${COPY_TO} PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
  else()
    file(CHMOD ${COPY_TO} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()
endif()
if(ABSENT)
  file(REMOVE ${ABSENT})
endif()
if(EMPTY_LAST)
  execute_process(COMMAND ${CLI} ${ARGS} ""
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
else()
  execute_process(COMMAND ${CLI} ${ARGS}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
endif()
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
if(DEFINED OUTPUT_TEXT AND NOT output MATCHES "${OUTPUT_TEXT}")
  message(FATAL_ERROR "korain-cli ${ARGS}: standard output lacks '${OUTPUT_TEXT}':\n${output}")
endif()
if(DEFINED ERROR_TEXT AND NOT errors MATCHES "${ERROR_TEXT}")
  message(FATAL_ERROR "korain-cli ${ARGS}: standard error lacks '${ERROR_TEXT}':\n${errors}")
endif()
if(ABSENT AND EXISTS ${ABSENT})
  message(FATAL_ERROR "korain-cli ${ARGS}: ${ABSENT} was written")
endif()
if(UNCHANGED)
  file(SHA256 ${COPY_FROM} original)
  file(SHA256 ${COPY_TO} after)
  if(NOT original STREQUAL after)
    message(FATAL_ERROR "korain-cli ${ARGS}: ${COPY_TO} was changed")
  endif()
endif()
if(QUIET AND NOT errors STREQUAL "")
  message(FATAL_ERROR "korain-cli ${ARGS}: a successful run wrote to standard error:\n${errors}")
endif()
