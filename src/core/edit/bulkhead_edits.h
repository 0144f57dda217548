// The bulkhead panel's changes besides its form: the stools' default tops and
// adding and removing whole bulkheads.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "edit/edit_outcome.h"
#include "model/arrangement.h"

namespace korain {

// A stool given no top (a Z within 0.001 of zero) starts at the bulkhead's
// lowest point (lower stool) or highest point (upper stool) and keeps that top
// from then on. A bulkhead without a contour has no height yet: nothing to
// start from.
bool lacksStoolTop(const Bulkhead& bulkhead);
void storeDefaultStoolTops(Bulkhead& bulkhead);

// Appends a bulkhead named "New Bulkhead n" with the given plating material,
// everything else empty, and makes it current.
void addBulkhead(Arrangement& arrangement, Integer platingMaterial);

// Removes the current bulkhead with all it holds; a current index beyond the
// shortened list becomes 0. The outcome names an index outside the list.
EditOutcome removeBulkhead(Arrangement& arrangement);

}  // namespace korain
