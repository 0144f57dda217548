// One block of a database file taken out of it as the file is read, so that
// reading a block needs memory for that block only, whatever the file's size.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "io/file_system.h"
#include "model/arrangement.h"

namespace korain {

struct ExtractedBlock {
  std::string bytes;    // from the block's banner to where its reader stops at the latest
  int linesBefore = 0;  // lines of the file before the banner
};

// The lines of the first block n whose keyword is the one given (any, when
// empty), found as findBlock finds it, up to the next block banner whose
// number is not n. Nothing when the file holds no such block, or when it
// cannot be read (error then says why).
std::optional<ExtractedBlock> extractBlock(InputFile& file, Long n, std::string_view keyword,
                                           std::string& error);

}  // namespace korain
