// The rows of the strake bands panel: the current band's upper z, and the
// current strake's upper y, thickness and material.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "model/record_fields.h"
#include "view/forms/forms.h"

namespace korain {
namespace {

const std::array kBandRows{FormRow<StrakeBand>{.field = &Fields<StrakeBand>::z,
                                               .objectName = "FTX_m",
                                               .caption = "&Z :",
                                               .unit = "m",
                                               .undoLabel = "Strake Band position change"}};

using S = Fields<Strake>;

const std::array kStrakeRows{FormRow<Strake>{.field = &S::y,
                                             .objectName = "FTX_Y",
                                             .caption = "&Y :",
                                             .unit = "m",
                                             .undoLabel = "Strake position change"},
                             FormRow<Strake>{.field = &S::th,
                                             .objectName = "FTX_Th",
                                             .caption = "&Thickness :",
                                             .unit = "mm",
                                             .undoLabel = "Strake thickness change"}
                                 .within(kNotNegative),
                             // The material is not part of the geometry: nothing to compute again.
                             FormRow<Strake>{.field = &S::iMat,
                                             .objectName = "CB_Mat",
                                             .caption = "&Material :",
                                             .affects = Affects::Nothing,
                                             .undoLabel = "Strake material change"}
                                 .ofMaterials()};

// The current band and strake, of a bulkhead shown or edited alike.
template <typename B>
auto currentBand(B* b) -> decltype(&b->StrakeBands.at(1)) {
  if (b == nullptr || !b->StrakeBands.inBounds(b->CurBand)) return nullptr;
  return &b->StrakeBands.at(b->CurBand);
}

template <typename Band>
auto currentStrake(Band* band) -> decltype(&band->Strakes.at(1)) {
  if (band == nullptr || !band->Strakes.inBounds(band->CurStrake)) return nullptr;
  return &band->Strakes.at(band->CurStrake);
}

// The records of a form of the current band or strake: it, or none.
template <typename Record>
std::vector<Record*> editedOne(Record* record) {
  return record ? std::vector<Record*>{record} : std::vector<Record*>{};
}

}  // namespace

const FormTable<StrakeBand>& bandForm() {
  static const FormTable<StrakeBand> table{
      .rows = kBandRows,
      .shown = [](const Arrangement& a, FormPlace) -> const StrakeBand* {
        return currentBand(shownBulkhead(a));
      },
      .edited = [](Arrangement& a,
                   FormPlace) { return editedOne(currentBand(editedBulkhead(a))); }};
  return table;
}

const FormTable<Strake>& strakeForm() {
  static const FormTable<Strake> table{
      .rows = kStrakeRows,
      .shown = [](const Arrangement& a, FormPlace) -> const Strake* {
        return currentStrake(currentBand(shownBulkhead(a)));
      },
      .edited = [](Arrangement& a,
                   FormPlace) { return editedOne(currentStrake(currentBand(editedBulkhead(a)))); }};
  return table;
}

}  // namespace korain
