# Installs the build into a staging folder as a package would, checks that
# every file is where a desktop expects it, that the desktop entry passes
# desktop-file-validate and the AppStream metainfo appstreamcli, that each
# icon is a PNG of its size, and that the installed programs answer --version
# with the project's version.
# SPDX-License-Identifier: GPL-3.0-or-later
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE}/usr
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${errors}")
endif()
set(entry_file share/applications/org.korain.Korain.desktop)
set(metainfo_file share/metainfo/org.korain.Korain.metainfo.xml)
foreach(file bin/korain bin/korain-cli ${entry_file} ${metainfo_file}
    share/icons/hicolor/scalable/apps/korain.svg share/mime/packages/korain.xml
    share/man/man1/korain.1.gz share/man/man1/korain-cli.1.gz share/doc/korain/arrangement.schema.json
    share/doc/korain/resonance.schema.json share/doc/korain/ship.schema.json
    share/doc/korain/properties.schema.json
    share/bash-completion/completions/korain-cli share/zsh/vendor-completions/_korain-cli
    share/doc/korain/copyright share/doc/korain/changelog.gz)
  if(NOT EXISTS ${STAGE}/usr/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The manual's pages with their pictures, where Help > Korain Manual looks for them.
foreach(file index.html scripting.html images/main_window.png)
  if(NOT EXISTS ${STAGE}/usr/share/doc/korain/manual/${file})
    message(FATAL_ERROR "not installed: the manual's ${file}")
  endif()
endforeach()
file(READ ${STAGE}/usr/${entry_file} entry)
file(READ ${STAGE}/usr/share/mime/packages/korain.xml mime)
if(NOT entry MATCHES "MimeType=application/x-korain-database;" OR
   NOT mime MATCHES "type=\"application/x-korain-database\"" OR NOT mime MATCHES "\\*\\.ko2")
  message(FATAL_ERROR "the desktop entry and the MIME type of .ko2 files do not match")
endif()
if(VALIDATE)
  execute_process(COMMAND ${VALIDATE} ${STAGE}/usr/${entry_file}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT output STREQUAL "" OR NOT errors STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate:\n${output}${errors}")
  endif()
endif()

# A PNG's IHDR chunk follows its 8-byte signature: length, type, width, height.
foreach(side 16 32 48 64 128 256)
  set(icon ${STAGE}/usr/share/icons/hicolor/${side}x${side}/apps/korain.png)
  if(NOT EXISTS ${icon})
    message(FATAL_ERROR "not installed: icon ${side}x${side}")
  endif()
  file(READ ${icon} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT header MATCHES "^89504e470d0a1a0a........49484452" OR NOT width EQUAL side
     OR NOT height EQUAL side)
    message(FATAL_ERROR "icon ${side}x${side} is not a PNG of that size: ${header}")
  endif()
endforeach()

file(READ ${STAGE}/usr/${metainfo_file} metainfo)
get_filename_component(entry_name ${entry_file} NAME)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\" date=\"[0-9-]+\"/>" OR
   NOT metainfo MATCHES "<launchable type=\"desktop-id\">${entry_name}</launchable>")
  message(FATAL_ERROR "the metainfo names another release or desktop entry:\n${metainfo}")
endif()
# The screenshot the metainfo points to is one the repository ships.
if(NOT metainfo MATCHES "<image>[^<]*/([^/<]+)</image>" OR
   NOT EXISTS ${SOURCE}/docs/images/${CMAKE_MATCH_1})
  message(FATAL_ERROR "the metainfo's screenshot is not in docs/images")
endif()
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${STAGE}/usr/${metainfo_file}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate:\n${output}${errors}")
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
