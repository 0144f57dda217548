// The selection kept in the model: the current bulkhead and, in each bulkhead,
// the current node, member, stiffener, band and strake and the selected
// stiffeners. The panels move it freely; an undo level keeps it on its own.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/arrangement.h"

namespace korain {

struct BulkheadSelection {
  Integer CurNode = 0;
  Integer CurPrim = 0;
  Integer CurSpan = 0;
  Integer CurBand = 0;
  std::vector<Integer> curStrakes;       // the CurStrake of each band
  std::vector<bool> selectedStiffeners;  // the Selected flag of each stiffener
};

struct Selection {
  Integer CurBulkhead = 0;
  std::vector<BulkheadSelection> bulkheads;
};

BulkheadSelection selectionOf(const Bulkhead& bulkhead);
Selection selectionOf(const Arrangement& arrangement);

// Puts a selection back; lists of other lengths than when it was taken take
// what fits.
void applySelection(const BulkheadSelection& selection, Bulkhead& bulkhead);
void applySelection(const Selection& selection, Arrangement& arrangement);

// Nothing selected: the selection fields at zero.
void clearSelection(Bulkhead& bulkhead);

}  // namespace korain
