// Replacing a bulkhead's nodes by an imported contour, or appending a bulkhead that has it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/contour_edits.h"

#include "edit/bulkhead_edits.h"

namespace korain {

bool replaceContour(Arrangement& arrangement, int k, const List<Node>& nodes,
                    Integer platingMaterial) {
  if (!nodes.isDimensioned() || (k != 0 && !arrangement.Bulkheads.inBounds(k))) return false;
  if (k == 0) {
    addBulkhead(arrangement, platingMaterial);
    k = arrangement.Bulkheads.count();
  }
  Bulkhead& bulkhead = arrangement.Bulkheads.at(k);
  bulkhead.Nodes = nodes;
  bulkhead.CurNode = 1;
  arrangement.CurBulkhead = static_cast<Integer>(k);
  return true;
}

}  // namespace korain
