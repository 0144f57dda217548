// Copying a database file's preamble and blocks, as a save rebuilds the file around one block.
#pragma once

#include <string>
#include <string_view>

#include "io/line_cursor.h"
#include "model/arrangement.h"

namespace korain {

// The number of block banners of the file (comment lines do not count).
int countBlocks(std::string_view bytes);

// Copies every line before the first block banner unchanged; the cursor is left
// on that banner (or at the end of the file).
void copyPreamble(LineCursor& in, std::string& out);

// Copies blocks first to last (-1: to the end of the file) from the block
// numbered first on, whatever its keyword. A banner whose block number is
// last + 1 ends the copy, with the cursor back on it. Each banner is written with
// one comment-marker line after it (the comments that stood there are dropped)
// and its number line as read, or increased by offset when offset is not 0.
// Every other line is copied unchanged. Nothing is copied when block first is
// not in the file.
void copyBlocks(LineCursor& in, std::string& out, Long first, Long last, Long offset);

}  // namespace korain
