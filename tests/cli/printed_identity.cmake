# Runs korain-cli with ARGS (@OUT@ for the output PDF) under SOURCE_DATE_EPOCH and a
# configuration in CONFIG_DIR that names the drawing's makers, then finds in the PDF's
# text every one of TEXTS (|-separated) and, when TITLE is given, reads it back as the
# PDF's title with PDFINFO.
# SPDX-License-Identifier: GPL-3.0-or-later
file(MAKE_DIRECTORY ${CONFIG_DIR})
file(WRITE ${CONFIG_DIR}/Tessaly.ini [=[
[Identification]
User=Jane Doe
Organisation=North Yard
Company=North Yard Shipbuilding
Department=Hull Structures
Project=NB 1234
DrawnBy=J. Doe
CheckedBy=P. Smith
]=])
string(REPLACE "@OUT@" "${PDF}" args "${ARGS}")
file(REMOVE ${PDF})
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=1700000000
  KORAIN_CONFIG_DIR=${CONFIG_DIR} ${CLI} ${args} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "korain-cli ${args}: exit ${status}: ${errors}")
endif()
execute_process(COMMAND ${PDFTOTEXT} ${PDF} - OUTPUT_VARIABLE text)
# pdftotext keeps the lines of the page: a text found whole stands on one line.
string(REPLACE "|" ";" texts "${TEXTS}")
foreach(wanted IN LISTS texts)
  string(FIND "${text}" "${wanted}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${PDF}: '${wanted}' missing from:\n${text}")
  endif()
endforeach()
if(DEFINED TITLE AND NOT TITLE STREQUAL "")
  execute_process(COMMAND ${PDFINFO} ${PDF} OUTPUT_VARIABLE info)
  if(NOT info MATCHES "(^|\n)Title: +([^\n]*)\n" OR NOT CMAKE_MATCH_2 STREQUAL TITLE)
    message(FATAL_ERROR "${PDF}: the title is not '${TITLE}':\n${info}")
  endif()
endif()
