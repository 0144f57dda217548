// The rows of the compartment panel: the compartment on the side shown.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "model/record_fields.h"
#include "view/forms/forms.h"

namespace korain {
namespace {

using F = Fields<Compartment>;

const std::array kRows{FormRow<Compartment>{.field = &F::name,
                                            .objectName = "FTX_Name",
                                            .caption = "&Name :",
                                            .affects = Affects::Nothing,
                                            .undoLabel = "Compartment name changes"}};

Compartment* onSide(Bulkhead* bulkhead, int side) {
  if (bulkhead == nullptr || !bulkhead->Compartments.inBounds(side)) return nullptr;
  return &bulkhead->Compartments.at(side);
}

}  // namespace

const FormTable<Compartment>& compartmentForm() {
  static const FormTable<Compartment> table{
      .rows = kRows,
      .shown = [](const Arrangement& a, FormPlace place) -> const Compartment* {
        const Bulkhead* b = shownBulkhead(a);
        if (b == nullptr || !b->Compartments.inBounds(place.side)) return nullptr;
        return &b->Compartments.at(place.side);
      },
      .edited =
          [](Arrangement& a, FormPlace place) {
            Compartment* c = onSide(editedBulkhead(a), place.side);
            return c ? std::vector<Compartment*>{c} : std::vector<Compartment*>{};
          }};
  return table;
}

}  // namespace korain
