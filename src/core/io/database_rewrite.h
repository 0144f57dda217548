// A database file copied with one arrangement block written into it, line by
// line through a buffer of fixed size, so that the memory it needs does not
// grow with the file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "io/file_system.h"
#include "io/zel_writer.h"
#include "model/arrangement.h"

namespace korain {

// Block number 0: after the last block of any kind.
inline constexpr Integer kAppendedBlock = 0;

struct RewriteRequest {
  Integer blockNumber = kAppendedBlock;
  ZelWriteContext context;
};

struct RewriteResult {
  Integer blockNumber = 0;       // the number the block was written as; 0 when it was not
  std::string error;             // why not, empty when it was
  int line = 0;                  // the line of the source the error concerns, 0 for none
  int unmappableCharacters = 0;  // characters of the block written as "?"
};

// Writes the source database to out with the arrangement as block n: the lines
// before the first block unchanged; every other block with the comment lines
// right after its banner made one comment-marker line, and its other lines
// unchanged; the arrangement's block in place of block n, or after the last
// block when n is one more than their number (or kAppendedBlock). Only a
// bulkhead arrangement gives way: a hull section or torsion data that the
// sibling program wrote is what imports and drawings of the ship need, and is
// never overwritten, whoever asks. The blocks
// must be numbered 1, 2, 3 ... in file order, as the block list numbers them:
// otherwise a save could replace the wrong block or repeat a number, and
// nothing is written. A null source is an empty database.
RewriteResult rewriteDatabase(InputFile* source, OutputFile& out, Arrangement& arrangement,
                              const RewriteRequest& request);

}  // namespace korain
