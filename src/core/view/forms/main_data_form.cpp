// The rows of the main data dialog: name, position, symmetry, state and hold data.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "model/record_fields.h"
#include "text/string_table.h"
#include "text/text_ids.h"
#include "view/forms/forms.h"

namespace korain {
namespace {

using F = Fields<Arrangement>;

constexpr char kMainDataChanges[] = "Main data changes";

// The items of the symmetry list and of the scantling state list: numbered texts.
constexpr Long kCodeCount = 3;

std::optional<std::string> numberedText(Long first, Long code) {
  if (code < 0 || code >= kCodeCount) return std::nullopt;
  return korainString(first + code);
}

// The index is a whole number of at least 1, as the database keeps it.
constexpr FormRange kStateIndexes{.minimum = 1, .maximum = std::numeric_limits<Integer>::max()};

constexpr FormRow<Arrangement> main(FieldRef<Arrangement> field, std::string_view name,
                                    std::string_view caption, std::string_view unit = {}) {
  return formRow(field, name, caption, kMainDataChanges, Affects::Geometry, unit);
}

std::optional<std::string> symmetryText(Long code) {
  return numberedText(text_id::kFirstThreeStateText, code);
}

std::optional<std::string> stateText(Long code) {
  return numberedText(text_id::kFirstStateText, code - 1);
}

// The symmetry's caption is a numbered text too.
const std::string kSymmetryCaption = korainString(text_id::kSymmetryCaption);

const std::array kRows{
    main(&F::name, "FTX_Ident", "&Identification :"),
    main(&F::x, "FTX_m", "&Longitudinal Location (from APP)", "m"),
    // Only the symmetry reaches the geometry of the bulkheads: it decides
    // which open contours count as closed.
    main(&F::symFlag, "CB_Sym", kSymmetryCaption)
        .captionNamed("LB_Sym")
        .coded(symmetryText)
        .affecting(Affects::Every),
    main(&F::stateType, "CB_State", "State type :").coded(stateText, 1),
    main(&F::stateIndex, "TX_State", "State index :").within(kStateIndexes),
    main(&F::stoolVolume, "FTX_Hold_0", "&Volume", "m³").within(kNotNegative),
    main(&F::foreHopperBreadth, "FTX_Hold_1", "&Breadth", "m").within(kNotNegative),
    main(&F::foreHopperZTop, "FTX_Hold_2", "&Ztop / BL", "m"),
    main(&F::aftHopperBreadth, "FTX_Hold_3", "B&readth", "m").within(kNotNegative),
    main(&F::aftHopperZTop, "FTX_Hold_4", "Z&top / BL", "m")};

}  // namespace

const FormTable<Arrangement>& mainDataForm() {
  static const FormTable<Arrangement> table{
      .rows = kRows,
      .scope = FormScope::Header,
      .shown = [](const Arrangement& a, FormPlace) { return &a; },
      .edited = [](Arrangement& a, FormPlace) { return std::vector<Arrangement*>{&a}; }};
  return table;
}

}  // namespace korain
