// The node line that ZEL blocks and hull-section blocks share: the owner's number, then the node.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/block_text_writer.h"
#include "io/field_reader.h"
#include "model/arrangement.h"

namespace korain {

// Values 2 to 13 of a line already parsed into fields; value 1 names the owner
// (bulkhead or panel) and value 4, the node's number, is only for the reader's eye.
void readNodeLine(FieldReader& fields, Node& node);

// A whole node line, the owner's number first.
void writeNodeLine(BlockTextWriter& w, Long owner, const Node& node);

}  // namespace korain
