// The rows of the corrugation panel: the current bulkhead's corrugation.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "model/record_fields.h"
#include "view/forms/forms.h"

namespace korain {
namespace {

using F = Fields<Corrugation>;

constexpr char kCorrugationChanges[] = "Corrugated data changes";

// Every value reaches the corrugation lines the geometry draws.
constexpr FormRow<Corrugation> corrugation(FieldRef<Corrugation> field, std::string_view name,
                                           std::string_view caption, std::string_view unit = {}) {
  return formRow(field, name, caption, kCorrugationChanges, Affects::Geometry, unit);
}

// The start is a coordinate; the spacing, the flange width and the depth are lengths.
const std::array kRows{
    corrugation(&F::start, "FTX_m_0", "Start :", "m"),
    corrugation(&F::s1, "FTX_m_1", "Spacing (S1) :", "m").within(kNotNegative),
    corrugation(&F::a, "FTX_m_2", "Flange width (a) :", "m").within(kNotNegative),
    corrugation(&F::d, "FTX_m_3", "Depth (d) :", "m").within(kNotNegative),
    corrugation(&F::fixedUpper, "OP_Support_0", "&Fixed upper support"),
    corrugation(&F::fixedLower, "OP_Support_1", "&Fixed lower support")};

}  // namespace

const FormTable<Corrugation>& corrugationForm() {
  static const FormTable<Corrugation> table{
      .rows = kRows,
      .shown = [](const Arrangement& a, FormPlace) -> const Corrugation* {
        const Bulkhead* b = shownBulkhead(a);
        return b ? &b->Corr : nullptr;
      },
      .edited =
          [](Arrangement& a, FormPlace) {
            Bulkhead* b = editedBulkhead(a);
            return b ? std::vector<Corrugation*>{&b->Corr} : std::vector<Corrugation*>{};
          }};
  return table;
}

}  // namespace korain
