# Writes the source revision the editor was built from (the git commit, or
# "unknown" outside a checkout) into OUTPUT; run at every build, it touches the
# file only when the revision changed, so that nothing else is compiled again.
# SPDX-License-Identifier: GPL-3.0-or-later
execute_process(COMMAND git -C ${SOURCE} rev-parse --short=12 HEAD
  OUTPUT_VARIABLE revision OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT revision MATCHES "^[0-9a-f]+$")
  set(revision unknown)
endif()
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT [=[
// The source revision of this build, written by the build.
#pragma once

namespace korain {
inline constexpr const char* kSourceRevision = "@revision@";
}  // namespace korain
]=] @ONLY)
