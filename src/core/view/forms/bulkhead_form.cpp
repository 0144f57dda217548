// The rows of the bulkhead panel: name, type, material, stiffener direction
// and side, and the two stools.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "edit/bulkhead_edits.h"
#include "model/codes.h"
#include "model/record_fields.h"
#include "view/forms/forms.h"

namespace korain {
namespace {

using F = Fields<Bulkhead>;

constexpr char kDataChanges[] = "Bulkhead data changes";
constexpr char kStoolChanges[] = "Enable stool changes";
constexpr char kSlopedChanges[] = "Enable upper stool sloped changes";

std::optional<std::string> codeText(std::optional<std::string_view> text) {
  return text ? std::optional<std::string>(*text) : std::nullopt;
}

bool hasHeight(const Bulkhead& b) { return b.ZMin <= b.ZMax; }

// A stool's top lies within the bulkhead's height; any before it has one.
std::optional<FormRange> heightOf(const Bulkhead& b) {
  if (!hasHeight(b)) return std::nullopt;
  return FormRange{.minimum = b.ZMin, .maximum = b.ZMax};
}

// A stool that is off shows where its top would start, the bulkhead's lowest
// or highest point, once the bulkhead has a height.
std::optional<FormValue> lowerTopShown(const Bulkhead& b) {
  if (b.Stool1Enabled || !hasHeight(b)) return std::nullopt;
  return static_cast<double>(b.ZMin);
}

std::optional<FormValue> upperTopShown(const Bulkhead& b) {
  if (b.Stool2Enabled || !hasHeight(b)) return std::nullopt;
  return static_cast<double>(b.ZMax);
}

constexpr FormRow<Bulkhead> data(FieldRef<Bulkhead> field, std::string_view name,
                                 std::string_view caption, Affects affects) {
  return formRow(field, name, caption, kDataChanges, affects);
}

constexpr FormRow<Bulkhead> stool(FieldRef<Bulkhead> field, std::string_view name,
                                  std::string_view caption) {
  return formRow(field, name, caption, kStoolChanges, Affects::Rows);
}

constexpr FormRow<Bulkhead> top(FieldRef<Bulkhead> field, std::string_view name) {
  return formRow(field, name, "Z top / BL :", kDataChanges, Affects::Geometry, "m")
      .within(heightOf);
}

const std::array kRows{
    // The name labels the bulkhead in the selector, the drawing and the messages.
    data(&F::name, "FTX_Name", "&Name :", Affects::Name),
    // The stiffener and corrugation tools depend on the type.
    data(&F::typ, "CB_Type", "&Type :", Affects::Tools).coded([](Long c) {
      return codeText(bulkheadTypeText(c));
    }),
    data(&F::iMat, "CB_Mat", "&Material :", Affects::Nothing).ofMaterials(),
    data(&F::stfHV, "CB_HorVer", "&Ordinary Stiffeners are", Affects::Geometry).coded([](Long c) {
      return codeText(directionText(c));
    }),
    data(&F::stfside, "CB_ForeAft", "&Stiffeners are located in the", Affects::Nothing)
        .coded([](Long c) { return codeText(sideText(c)); }),
    stool(&F::stool1Enabled, "OP_Stool_0", "Lower stool"),
    top(&F::stool1Z, "FTX_m_0")
        .refusedAs("Lower stool Z")
        .enabledWhen([](const Bulkhead& b) { return b.Stool1Enabled; })
        .showing(lowerTopShown),
    stool(&F::stool2Enabled, "OP_Stool_1", "Upper stool"),
    top(&F::stool2Z, "FTX_m_1")
        .refusedAs("Upper stool Z")
        .enabledWhen([](const Bulkhead& b) { return b.Stool2Enabled; })
        .showing(upperTopShown),
    // Only an upper stool can be sloped.
    FormRow<Bulkhead>{.field = &F::upperStoolSloped,
                      .objectName = "OP_UpStoolSloped",
                      .caption = "Upper stool is sloped",
                      .affects = Affects::Rows,
                      .undoLabel = kSlopedChanges}
        .enabledWhen([](const Bulkhead& b) { return b.Stool2Enabled; })};

}  // namespace

const Bulkhead* shownBulkhead(const Arrangement& arrangement) {
  const auto& list = arrangement.Bulkheads;
  return list.inBounds(arrangement.CurBulkhead) ? &list.at(arrangement.CurBulkhead) : nullptr;
}

Bulkhead* editedBulkhead(Arrangement& arrangement) {
  auto& list = arrangement.Bulkheads;
  return list.inBounds(arrangement.CurBulkhead) ? &list.at(arrangement.CurBulkhead) : nullptr;
}

const FormTable<Bulkhead>& bulkheadForm() {
  static const FormTable<Bulkhead> table{
      .rows = kRows,
      .shown = [](const Arrangement& a, FormPlace) { return shownBulkhead(a); },
      .edited =
          [](Arrangement& a, FormPlace) {
            Bulkhead* b = editedBulkhead(a);
            return b ? std::vector<Bulkhead*>{b} : std::vector<Bulkhead*>{};
          },
      // A stool switched on without a top takes its default one.
      .settle = storeDefaultStoolTops};
  return table;
}

}  // namespace korain
