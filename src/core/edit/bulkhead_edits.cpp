// The stools' default tops, and adding and removing bulkheads.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/bulkhead_edits.h"

#include <cmath>

namespace korain {
namespace {

// A stored Z this close to zero was never given.
constexpr double kNotGiven = 0.001;

bool hasHeight(const Bulkhead& bulkhead) { return bulkhead.ZMin <= bulkhead.ZMax; }

bool notGiven(Single z) { return std::abs(z) < kNotGiven; }

}  // namespace

bool lacksStoolTop(const Bulkhead& bulkhead) {
  return hasHeight(bulkhead) && (notGiven(bulkhead.Stool1Z) || notGiven(bulkhead.Stool2Z));
}

void storeDefaultStoolTops(Bulkhead& bulkhead) {
  if (!hasHeight(bulkhead)) return;
  if (notGiven(bulkhead.Stool1Z)) bulkhead.Stool1Z = bulkhead.ZMin;
  if (notGiven(bulkhead.Stool2Z)) bulkhead.Stool2Z = bulkhead.ZMax;
}

void addBulkhead(Arrangement& arrangement, Integer platingMaterial) {
  Bulkhead& added = arrangement.Bulkheads.append();
  const int n = arrangement.Bulkheads.count();
  added.Name = "New Bulkhead " + std::to_string(n);
  added.iMat = platingMaterial;
  arrangement.CurBulkhead = static_cast<Integer>(n);
}

EditOutcome removeBulkhead(Arrangement& arrangement) {
  if (!arrangement.Bulkheads.remove(arrangement.CurBulkhead)) {
    return refusedAt("RemoveElement failed for Bh ¤", arrangement.CurBulkhead);
  }
  if (arrangement.CurBulkhead > arrangement.Bulkheads.count()) arrangement.CurBulkhead = 0;
  return {};
}

}  // namespace korain
