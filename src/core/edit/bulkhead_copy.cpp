// Bulkheads copied from an arrangement to the end of another, their material
// numbers checked against the ship they arrive in.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/bulkhead_copy.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "model/codes.h"
#include "model/fields.h"
#include "model/selection.h"
#include "ship/ship_queries.h"
#include "text/format_message.h"

namespace korain {
namespace {

void addPlateReference(const Scantling& scantling, std::set<Integer>& numbers) {
  // A plate reference names its material in the web height.
  if (scantling.Typ == profile_type::kPlateReference) {
    numbers.insert(static_cast<Integer>(std::lround(scantling.H1)));
  }
}

// Every material number the bulkhead's stored records give, 0 (the ship's
// default) left out: that one means the default of whichever ship holds it.
std::set<Integer> materialNumbers(const Bulkhead& bulkhead) {
  std::set<Integer> numbers{bulkhead.iMat};
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    numbers.insert(stiffener.iMat);
    addPlateReference(stiffener.Scant, numbers);
    for (const Bracket& bracket : stiffener.Brackets) addPlateReference(bracket.Scant, numbers);
    for (const StiffenerSpan& span : stiffener.Spans) {
      if (!span.HasScantling) continue;
      numbers.insert(span.Mat);
      addPlateReference(span.Scant, numbers);
    }
  }
  for (const StrakeBand& band : bulkhead.StrakeBands) {
    for (const Strake& strake : band.Strakes) numbers.insert(strake.iMat);
  }
  numbers.erase(0);
  return numbers;
}

std::optional<ShipMaterial> materialOf(Integer number, const ShipData& ship) {
  if (number < 1 || number > std::min<int>(ship.MaterialCount, kMaxMaterials)) return std::nullopt;
  return shipMaterials(ship).at(number);
}

// Two materials are the same when their kind and every property agree; their
// names follow from those.
bool sameMaterial(const std::optional<ShipMaterial>& a, const std::optional<ShipMaterial>& b) {
  if (!a || !b) return !a && !b;
  return a->Kind == b->Kind && a->Properties == b->Properties;
}

std::string materialText(const std::optional<ShipMaterial>& material) {
  return material ? "\"" + material->Name + "\"" : "no material";
}

std::vector<MaterialMismatch> mismatchesOf(const Bulkhead& bulkhead, const CopyShips& ships) {
  std::vector<MaterialMismatch> mismatches;
  for (const Integer number : materialNumbers(bulkhead)) {
    const std::optional<ShipMaterial> there = materialOf(number, ships.there);
    const std::optional<ShipMaterial> here = materialOf(number, ships.here);
    if (sameMaterial(there, here)) continue;
    mismatches.push_back({number, materialText(there), materialText(here)});
  }
  return mismatches;
}

Message mismatchMessage(int bulkhead, const CopiedBulkhead& copied, const std::string& source) {
  std::string text = formatMessage("Bulkhead ¤ (bulkhead ¤ of ¤) keeps its material numbers:",
                                   {bulkhead, copied.sourceNumber, source});
  for (const MaterialMismatch& m : copied.mismatches) {
    text +=
        m.there == m.here
            ? formatMessage(" ¤ is ¤ in both ships but with other properties;", {m.number, m.there})
            : formatMessage(" ¤ is ¤ there but ¤ here;", {m.number, m.there, m.here});
  }
  text += " check its materials.";
  return {.severity = Severity::Warning,
          .bulkhead = bulkhead,
          .kind = PanelCode::Bulkhead,
          .text = std::move(text)};
}

}  // namespace

std::optional<std::string> refusedBulkheadChoice(const Arrangement& from,
                                                 const std::vector<int>& chosen,
                                                 int bulkheadsHere) {
  if (chosen.empty()) return "no bulkhead is chosen";
  std::set<int> seen;
  for (const int number : chosen) {
    if (!from.Bulkheads.inBounds(number)) {
      return formatMessage("bulkhead ¤ is not one of the ¤ bulkheads of the arrangement",
                           {number, from.Bulkheads.count()});
    }
    if (!seen.insert(number).second) {
      return formatMessage("bulkhead ¤ is chosen twice", {number});
    }
  }
  if (bulkheadsHere + static_cast<int>(chosen.size()) > kMostAddressedItems) {
    return formatMessage("an arrangement holds at most ¤ bulkheads", {kMostAddressedItems});
  }
  return std::nullopt;
}

BulkheadCopy pickBulkheads(const Arrangement& from, const std::vector<int>& chosen,
                           std::string sourceName, const std::optional<CopyShips>& ships) {
  BulkheadCopy copy{.sourceName = std::move(sourceName), .sourceSymFlag = from.SymFlag};
  for (const int number : chosen) {
    CopiedBulkhead& copied = copy.bulkheads.emplace_back();
    copied.bulkhead = from.Bulkheads.at(number);
    // What was selected in the source is no choice made here.
    clearSelection(copied.bulkhead);
    copied.sourceNumber = number;
    if (ships) copied.mismatches = mismatchesOf(copied.bulkhead, *ships);
  }
  return copy;
}

EditOutcome appendBulkheads(Arrangement& into, const BulkheadCopy& copy) {
  EditOutcome outcome;
  const int first = into.Bulkheads.count() + 1;
  for (const CopiedBulkhead& copied : copy.bulkheads) {
    into.Bulkheads.append(copied.bulkhead);
    if (copied.mismatches.empty()) continue;
    outcome.messages.push_back(mismatchMessage(into.Bulkheads.count(), copied, copy.sourceName));
  }
  if (copy.bulkheads.empty()) return outcome;
  into.CurBulkhead = static_cast<Integer>(first);
  if (copy.sourceSymFlag != into.SymFlag) {
    outcome.messages.push_back(
        {.severity = Severity::Warning,
         .bulkhead = first,
         .kind = PanelCode::Bulkhead,
         .text = formatMessage(
             "The bulkheads copied from ¤ come from a section whose symmetry flag is ¤, and this "
             "one's is ¤: check where their contours close.",
             {copy.sourceName, copy.sourceSymFlag, into.SymFlag})});
  }
  return outcome;
}

}  // namespace korain
