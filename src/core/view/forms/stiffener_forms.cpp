// The rows of the ordinary stiffeners panel: for every selected stiffener, the
// scantling, bracket or span its tab edits, and its own material, span
// reduction and connection.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <string>
#include <type_traits>

#include "edit/stiffener_edits.h"
#include "model/record_fields.h"
#include "text/string_table.h"
#include "text/text_ids.h"
#include "view/forms/forms.h"

namespace korain {
namespace {

constexpr char kScantlingChange[] = "Ordinary stiffeners scantling change";
constexpr char kMaterialChange[] = "Ordinary stiffener material change";
constexpr char kBracketsChange[] = "Ordinary brackets change";

// The profile codes the type tools stand for, from no profile to a tee.
constexpr FormRange kTypeTools{.minimum = kNullProfile, .maximum = kTeeProfile};

// The lengths of brackets and spans move where the stiffener's spans end.
template <typename Record>
constexpr FormRow<Record> length(FieldRef<Record> field, std::string_view name,
                                 std::string_view caption) {
  return formRow<Record>(field, name, caption, kScantlingChange, Affects::Geometry, "m")
      .within(kNotNegative);
}

// The web serves every profile but none; the flange angles and tees.
bool hasFlange(const Scantling& s) { return s.Typ == kAngleProfile || s.Typ == kTeeProfile; }
bool hasWeb(const Scantling& s) {
  return s.Typ == kFlatProfile || s.Typ == kBulbProfile || hasFlange(s);
}

constexpr FormRow<Scantling> dimension(FieldRef<Scantling> field, std::string_view name,
                                       std::string_view caption, std::string_view refusal) {
  return formRow<Scantling>(field, name, caption, kScantlingChange, Affects::Drawing, "mm")
      .within(kNotNegative)
      .refusedAs(refusal);
}

using Sc = Fields<Scantling>;
const std::array kScantlingRows{
    formRow<Scantling>(&Sc::typ, "SS_type", "Type :", "Ordinary type change", Affects::Drawing)
        .within(kTypeTools),
    dimension(&Sc::h1, "FTX_Stiff_0", "&Web (mm)", "Web height (mm)").enabledWhen(hasWeb),
    dimension(&Sc::e1, "FTX_Stiff_1", "&Web (mm)", "Web thickness (mm)").enabledWhen(hasWeb),
    dimension(&Sc::h2, "FTX_Stiff_2", "Fl&ange (mm)", "Flange width (mm)").enabledWhen(hasFlange),
    dimension(&Sc::e2, "FTX_Stiff_3", "Fl&ange (mm)", "Flange thickness (mm)")
        .enabledWhen(hasFlange)};

std::optional<std::string> connectionText(Long code) {
  if (code == kNoSoftToe) return "No Soft toe";
  if (code == kSoftToe) return "Soft toe";
  return std::nullopt;
}

// The connection's undo label is a numbered text.
const std::string kConnectionChange = korainString(text_id::kConnectionChangeLabel);

using St = Fields<OrdinaryStiffener>;
const std::array kStiffenerRows{
    formRow<OrdinaryStiffener>(&St::iMat, "CB_Mat", "&Material", kMaterialChange, Affects::Drawing)
        .ofMaterials(),
    formRow<OrdinaryStiffener>(&St::spanReduction, "FTX_Stiff_7", "Span reduction  (m):",
                               "Ordinary stiffener data changes", Affects::Geometry, "m")
        .within(kNotNegative),
    formRow<OrdinaryStiffener>(&St::typeConn, "CB_typeConn", "Stiff. connection", kConnectionChange,
                               Affects::Drawing)
        .coded(connectionText)};

using Br = Fields<Bracket>;
const std::array kBracketRows{
    formRow<Bracket>(&Br::fixed, "OP_Brack_0", "&Fixed support", kBracketsChange,
                     Affects::Geometry),
    formRow<Bracket>(&Br::enabled, "OP_Brack_1", "&No bracket", kBracketsChange, Affects::Geometry)
        .invertedTick(),
    length<Bracket>(&Br::length, "FTX_Stiff_4", "Length :")};

using Sp = Fields<StiffenerSpan>;
const std::array kSpanRows{
    formRow<StiffenerSpan>(&Sp::mat, "CB_Mat", "&Material", kMaterialChange, Affects::Drawing)
        .ofMaterials(),
    formRow<StiffenerSpan>(&Sp::hasScantling, "OP_Span", "&Default scantling",
                           "Ordinary span scantling change", Affects::Drawing)
        .invertedTick(),
    length<StiffenerSpan>(&Sp::lowerBracketLength, "FTX_Stiff_5", "&Lower bracket length :"),
    length<StiffenerSpan>(&Sp::upperBracketLength, "FTX_Stiff_6", "&Upper bracket length :")};

// `Item` of each selected stiffener of the bulkhead that `pick` gives one.
// With `every`, none unless each of them has one: a tab that cannot tell
// whether a scantling is the selection's to edit leaves it alone.
template <typename B, typename Pick>
auto picked(B* bulkhead, Pick pick, bool every = false) {
  using Item = std::remove_reference_t<decltype(*pick(bulkhead->Stiffeners.at(1), 0))>;
  std::vector<Item*> items;
  if (bulkhead == nullptr) return items;
  for (auto& stiffener : bulkhead->Stiffeners) {
    if (!stiffener.Selected) continue;
    Item* item = pick(stiffener, bulkhead->CurSpan);
    if (item != nullptr) {
      items.push_back(item);
    } else if (every) {
      return std::vector<Item*>{};
    }
  }
  return items;
}

bool isBracketTab(StiffenerTab tab) {
  return tab == StiffenerTab::UpperBracket || tab == StiffenerTab::LowerBracket;
}

bool isSpanTab(StiffenerTab tab) {
  return tab == StiffenerTab::SpanScantling || tab == StiffenerTab::SpanBracket;
}

template <typename Stiffener>
auto* spanOf(Stiffener& stiffener, int interval) {
  const int span = spanInInterval(stiffener, interval);
  return span == 0 ? nullptr : &stiffener.Spans.at(span);
}

// The scantling the tab edits of a stiffener: its own, that of its fitted
// bracket, that of its span when the span has one of its own.
template <typename Stiffener>
auto* scantlingOf(Stiffener& stiffener, StiffenerTab tab, int interval) {
  using Result = decltype(&stiffener.Scant);
  if (tab == StiffenerTab::Scantling) return &stiffener.Scant;
  if (isBracketTab(tab)) {
    auto& bracket = stiffener.Brackets.at(bracketOfTab(tab));
    return bracket.Enabled ? &bracket.Scant : Result{};
  }
  auto* span = tab == StiffenerTab::SpanScantling ? spanOf(stiffener, interval) : nullptr;
  return span != nullptr && span->HasScantling ? &span->Scant : Result{};
}

template <typename B>
auto scantlings(B* bulkhead, FormPlace place) {
  const StiffenerTab tab = stiffenerTabOf(place.tab);
  return picked(
      bulkhead, [tab](auto& s, int interval) { return scantlingOf(s, tab, interval); }, true);
}

template <typename B>
auto stiffeners(B* bulkhead, FormPlace) {
  return picked(bulkhead, [](auto& s, int) { return &s; });
}

template <typename B>
auto brackets(B* bulkhead, FormPlace place) {
  const StiffenerTab tab = stiffenerTabOf(place.tab);
  return picked(bulkhead, [tab](auto& s, int) {
    return isBracketTab(tab) ? &s.Brackets.at(bracketOfTab(tab)) : nullptr;
  });
}

template <typename B>
auto spans(B* bulkhead, FormPlace place) {
  const bool spanTab = isSpanTab(stiffenerTabOf(place.tab));
  return picked(bulkhead, [spanTab](auto& s, int interval) {
    return spanTab ? spanOf(s, interval) : nullptr;
  });
}

// A stiffener's end spans end at its own brackets: the length given to the
// span is the bracket's, which the geometry gives the end spans again.
void keepEndBrackets(Arrangement& arrangement, FormPlace) {
  Bulkhead* bulkhead = editedBulkhead(arrangement);
  if (bulkhead == nullptr) return;
  for (OrdinaryStiffener& stiffener : bulkhead->Stiffeners) {
    if (!stiffener.Selected || !stiffener.Spans.isDimensioned()) continue;
    stiffener.Brackets.at(1).Length = stiffener.Spans.first().LowerBracketLength;
    stiffener.Brackets.at(2).Length = stiffener.Spans.last().UpperBracketLength;
  }
}

// A table over the records `of` gives for the shown and the edited bulkhead.
template <typename Record>
constexpr FormTable<Record> selectionTable(std::span<const FormRow<Record>> rows,
                                           std::vector<const Record*> (*shown)(const Arrangement&,
                                                                               FormPlace),
                                           std::vector<Record*> (*edited)(Arrangement&, FormPlace),
                                           void (*settleAround)(Arrangement&,
                                                                FormPlace) = nullptr) {
  return {.rows = rows, .edited = edited, .shownSelection = shown, .settleAround = settleAround};
}

}  // namespace

const FormTable<Scantling>& stiffenerScantlingForm() {
  static const FormTable<Scantling> table = selectionTable<Scantling>(
      kScantlingRows,
      [](const Arrangement& a, FormPlace p) { return scantlings(shownBulkhead(a), p); },
      [](Arrangement& a, FormPlace p) { return scantlings(editedBulkhead(a), p); });
  return table;
}

const FormTable<OrdinaryStiffener>& stiffenerForm() {
  static const FormTable<OrdinaryStiffener> table = selectionTable<OrdinaryStiffener>(
      kStiffenerRows,
      [](const Arrangement& a, FormPlace p) { return stiffeners(shownBulkhead(a), p); },
      [](Arrangement& a, FormPlace p) { return stiffeners(editedBulkhead(a), p); });
  return table;
}

const FormTable<Bracket>& stiffenerBracketForm() {
  static const FormTable<Bracket> table = selectionTable<Bracket>(
      kBracketRows, [](const Arrangement& a, FormPlace p) { return brackets(shownBulkhead(a), p); },
      [](Arrangement& a, FormPlace p) { return brackets(editedBulkhead(a), p); });
  return table;
}

const FormTable<StiffenerSpan>& stiffenerSpanForm() {
  static const FormTable<StiffenerSpan> table = selectionTable<StiffenerSpan>(
      kSpanRows, [](const Arrangement& a, FormPlace p) { return spans(shownBulkhead(a), p); },
      [](Arrangement& a, FormPlace p) { return spans(editedBulkhead(a), p); }, keepEndBrackets);
  return table;
}

}  // namespace korain
