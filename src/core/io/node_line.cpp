// The node line that ZEL blocks and hull-section blocks share: the owner's number, then the node.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/node_line.h"

#include "io/zel_columns.h"

namespace korain {

void readNodeLine(FieldReader& fields, Node& n) { takeLine(fields, n, 1); }

void writeNodeLine(BlockTextWriter& w, Long owner, const Node& n) {
  w.number(owner);
  ColumnWriter(w, Tabs::Before).write(n, 1);
  w.endLine();
}

}  // namespace korain
