// Taking the selection out of the model and putting it back, bulkhead by bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/selection.h"

#include <algorithm>

namespace korain {

BulkheadSelection selectionOf(const Bulkhead& bulkhead) {
  BulkheadSelection selection{
      bulkhead.CurNode, bulkhead.CurPrim, bulkhead.CurSpan, bulkhead.CurBand, {}, {}};
  selection.curStrakes.reserve(static_cast<std::size_t>(bulkhead.StrakeBands.count()));
  for (const StrakeBand& band : bulkhead.StrakeBands)
    selection.curStrakes.push_back(band.CurStrake);
  selection.selectedStiffeners.reserve(static_cast<std::size_t>(bulkhead.Stiffeners.count()));
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    selection.selectedStiffeners.push_back(stiffener.Selected);
  }
  return selection;
}

Selection selectionOf(const Arrangement& arrangement) {
  Selection selection{arrangement.CurBulkhead, {}};
  selection.bulkheads.reserve(static_cast<std::size_t>(arrangement.Bulkheads.count()));
  for (const Bulkhead& bulkhead : arrangement.Bulkheads) {
    selection.bulkheads.push_back(selectionOf(bulkhead));
  }
  return selection;
}

void applySelection(const BulkheadSelection& selection, Bulkhead& bulkhead) {
  bulkhead.CurNode = selection.CurNode;
  bulkhead.CurPrim = selection.CurPrim;
  bulkhead.CurSpan = selection.CurSpan;
  bulkhead.CurBand = selection.CurBand;
  const auto bands =
      std::min(selection.curStrakes.size(), static_cast<std::size_t>(bulkhead.StrakeBands.count()));
  for (std::size_t b = 0; b < bands; ++b) {
    bulkhead.StrakeBands.at(static_cast<int>(b) + 1).CurStrake = selection.curStrakes[b];
  }
  const auto stiffeners = std::min(selection.selectedStiffeners.size(),
                                   static_cast<std::size_t>(bulkhead.Stiffeners.count()));
  for (std::size_t k = 0; k < stiffeners; ++k) {
    bulkhead.Stiffeners.at(static_cast<int>(k) + 1).Selected = selection.selectedStiffeners[k];
  }
}

void applySelection(const Selection& selection, Arrangement& arrangement) {
  arrangement.CurBulkhead = selection.CurBulkhead;
  const auto count =
      std::min(selection.bulkheads.size(), static_cast<std::size_t>(arrangement.Bulkheads.count()));
  for (std::size_t i = 0; i < count; ++i) {
    applySelection(selection.bulkheads[i], arrangement.Bulkheads.at(static_cast<int>(i) + 1));
  }
}

void clearSelection(Bulkhead& bulkhead) {
  bulkhead.CurNode = bulkhead.CurPrim = bulkhead.CurSpan = bulkhead.CurBand = 0;
  for (StrakeBand& band : bulkhead.StrakeBands) band.CurStrake = 0;
  for (OrdinaryStiffener& stiffener : bulkhead.Stiffeners) stiffener.Selected = false;
}

}  // namespace korain
