// A contour brought in from elsewhere (a CAD drawing) taking the place of a bulkhead's nodes.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"

namespace korain {

// Bulkhead k's nodes replaced by `nodes`, the first of them current; k = 0
// appends a new bulkhead ("New Bulkhead n", the given plating material)
// holding them. The bulkhead worked on becomes current. False, with nothing
// changed, for a k outside the list or no nodes.
bool replaceContour(Arrangement& arrangement, int k, const List<Node>& nodes,
                    Integer platingMaterial);

}  // namespace korain
