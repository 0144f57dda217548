// Add, Delete and Insert as each panel offers them, and the object Delete names.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/panel_offer.h"

#include "edit/band_edits.h"
#include "edit/stiffener_edits.h"

namespace korain {
namespace {

// The object at `current` of a list, named as the question names it; empty
// when the index lies outside the list.
template <typename T>
std::string listed(const char* kind, const List<T>& list, int current) {
  return list.inBounds(current) ? kind + std::to_string(current) : std::string();
}

PanelOffer bulkheadOffer(const Arrangement& arrangement) {
  return {.canAdd = true,
          .canRemove = arrangement.Bulkheads.count() > 0,
          .erasedObject = listed("bulkhead ", arrangement.Bulkheads, arrangement.CurBulkhead)};
}

PanelOffer nodeOffer(const Bulkhead& bulkhead) {
  const bool any = bulkhead.Nodes.count() > 0;
  return {.canAdd = true,
          .canRemove = any,
          .canInsert = any,
          .erasedObject = listed("node ", bulkhead.Nodes, bulkhead.CurNode)};
}

PanelOffer memberOffer(const Bulkhead& bulkhead) {
  return {.canAdd = true,
          .canRemove = bulkhead.PrimaryMembers.count() > 0,
          .erasedObject =
              listed("Primary supporting member ", bulkhead.PrimaryMembers, bulkhead.CurPrim)};
}

PanelOffer stiffenerOffer(const Bulkhead& bulkhead) {
  const bool any = canRemoveStiffeners(bulkhead);
  return {
      .canAdd = true,
      .canRemove = any,
      .erasedObject = any ? std::to_string(selectedStiffenerCount(bulkhead)) + " ordinary stiff(s)"
                          : std::string()};
}

PanelOffer bandOffer(const Bulkhead& bulkhead) {
  const bool removable = canRemoveBand(bulkhead);
  return {.canAdd = true,
          .canRemove = removable,
          .erasedObject =
              removable ? listed("band ", bulkhead.StrakeBands, bulkhead.CurBand) : std::string()};
}

}  // namespace

PanelOffer panelOffer(PanelCode panel, const Arrangement& arrangement) {
  if (panel == PanelCode::Bulkhead) return bulkheadOffer(arrangement);
  if (!arrangement.Bulkheads.inBounds(arrangement.CurBulkhead)) return {};
  const Bulkhead& bulkhead = arrangement.Bulkheads.at(arrangement.CurBulkhead);
  switch (panel) {
    case PanelCode::Nodes:
      return nodeOffer(bulkhead);
    case PanelCode::PrimaryMembers:
      return memberOffer(bulkhead);
    case PanelCode::OrdinaryStiffeners:
      return stiffenerOffer(bulkhead);
    case PanelCode::StrakeBands:
      return bandOffer(bulkhead);
    default:
      return {};
  }
}

}  // namespace korain
