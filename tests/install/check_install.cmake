# Installs the build into a staging folder as a package would, checks that
# every file is where a desktop expects it, that the desktop entry passes
# desktop-file-validate, and that the installed programs answer --version with
# the project's version.
# SPDX-License-Identifier: GPL-3.0-or-later
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE}/usr
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${errors}")
endif()
foreach(file bin/korain bin/korain-cli share/applications/korain.desktop
    share/icons/hicolor/scalable/apps/korain.svg share/mime/packages/korain.xml
    share/man/man1/korain.1.gz share/man/man1/korain-cli.1.gz share/doc/korain/arrangement.schema.json
    share/doc/korain/copyright share/doc/korain/changelog.gz)
  if(NOT EXISTS ${STAGE}/usr/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(READ ${STAGE}/usr/share/applications/korain.desktop entry)
file(READ ${STAGE}/usr/share/mime/packages/korain.xml mime)
if(NOT entry MATCHES "MimeType=application/x-korain-database;" OR
   NOT mime MATCHES "type=\"application/x-korain-database\"" OR NOT mime MATCHES "\\*\\.ko2")
  message(FATAL_ERROR "the desktop entry and the MIME type of .ko2 files do not match")
endif()
if(VALIDATE)
  execute_process(COMMAND ${VALIDATE} ${STAGE}/usr/share/applications/korain.desktop
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT output STREQUAL "" OR NOT errors STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate:\n${output}${errors}")
  endif()
endif()
foreach(program korain korain-cli)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DISPLAY= QT_QPA_PLATFORM=none-such
    ${STAGE}/usr/bin/${program} --version
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT output STREQUAL "${program} ${VERSION}\n" OR NOT errors STREQUAL "")
    message(FATAL_ERROR "installed ${program} --version: exit ${status}\n${output}${errors}")
  endif()
endforeach()
