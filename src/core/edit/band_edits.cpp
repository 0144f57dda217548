// Inserting and removing the strake bands and strakes of a bulkhead's plating.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/band_edits.h"

#include "io/zel_format.h"

namespace korain {
namespace {

Strake* currentStrake(Bulkhead& bulkhead) {
  if (!bulkhead.StrakeBands.inBounds(bulkhead.CurBand)) return nullptr;
  StrakeBand& band = bulkhead.StrakeBands.at(bulkhead.CurBand);
  return band.Strakes.inBounds(band.CurStrake) ? &band.Strakes.at(band.CurStrake) : nullptr;
}

}  // namespace

bool insertBand(Bulkhead& bulkhead) {
  List<StrakeBand>& bands = bulkhead.StrakeBands;
  const int current = bulkhead.CurBand;
  if (!bands.inBounds(current) || bands.count() >= kMaxIndexedListLength ||
      !bands.insertBlank(current)) {
    return false;
  }
  const Single below = current >= 2 ? bands.at(current - 1).Z : bulkhead.ZLow;
  StrakeBand& added = bands.at(current);
  added = bands.at(current + 1);
  added.Z = (below + added.Z) / 2;
  return true;
}

bool canRemoveBand(const Bulkhead& bulkhead) { return bulkhead.StrakeBands.count() >= 2; }

EditOutcome removeBand(Bulkhead& bulkhead) {
  if (!canRemoveBand(bulkhead) || !bulkhead.StrakeBands.remove(bulkhead.CurBand)) {
    return refusedAt("RemoveElement failed for Band ¤", bulkhead.CurBand);
  }
  if (bulkhead.CurBand > bulkhead.StrakeBands.count()) bulkhead.CurBand = 0;
  return {};
}

bool insertStrake(Bulkhead& bulkhead) {
  if (currentStrake(bulkhead) == nullptr) return false;
  StrakeBand& band = bulkhead.StrakeBands.at(bulkhead.CurBand);
  const int current = band.CurStrake;
  if (band.Strakes.count() >= kMaxIndexedListLength || !band.Strakes.insertBlank(current)) {
    return false;
  }
  const Single before = current > 1 ? band.Strakes.at(current - 1).Y : bulkhead.YMin;
  const Strake& next = band.Strakes.at(current + 1);
  Strake& added = band.Strakes.at(current);
  added.Th = next.Th;
  added.iMat = next.iMat;
  added.Y = (before + next.Y) / 2;
  return true;
}

EditOutcome removeStrake(Bulkhead& bulkhead) {
  if (!bulkhead.StrakeBands.inBounds(bulkhead.CurBand)) {
    return refusedAt("RemoveElement failed for strake ¤", 0);
  }
  StrakeBand& band = bulkhead.StrakeBands.at(bulkhead.CurBand);
  if (!band.Strakes.remove(band.CurStrake)) {
    return refusedAt("RemoveElement failed for strake ¤", band.CurStrake);
  }
  if (band.CurStrake > band.Strakes.count()) band.CurStrake = 0;
  return {};
}

}  // namespace korain
