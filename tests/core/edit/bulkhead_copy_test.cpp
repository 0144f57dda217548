// Bulkheads copied between arrangements: every stored field arrives as it was,
// found by walking the field tables; the copy computes to the source's
// geometry; material numbers that change meaning between ships are told.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/bulkhead_copy.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "geometry/compute_geometry.h"
#include "model/record_fields.h"
#include "model/selection.h"
#include "sample_arrangement.h"

namespace korain::testing {
namespace {

template <typename T>
struct IsList : std::false_type {};
template <typename T>
struct IsList<List<T>> : std::true_type {};
template <typename T, int N>
struct IsList<FixedList<T, N>> : std::true_type {};

// The stored fields of two records that differ, as "Stiffeners[2].Spans[1].Mat",
// found through the field tables alone.
template <typename Record>
void storedDifferences(const Record& a, const Record& b, const std::string& at,
                       std::vector<std::string>& found);

template <typename T>
void compareValues(const T& a, const T& b, const std::string& at, std::vector<std::string>& found) {
  if constexpr (Described<T>) {
    storedDifferences(a, b, at + ".", found);
  } else if constexpr (IsList<T>::value) {
    if (a.count() != b.count()) {
      found.push_back(at + " (count)");
      return;
    }
    for (int i = 1; i <= a.count(); ++i) {
      compareValues(a.at(i), b.at(i), at + "[" + std::to_string(i) + "]", found);
    }
  } else if (a != b) {
    found.push_back(at);
  }
}

template <typename Record>
void storedDifferences(const Record& a, const Record& b, const std::string& at,
                       std::vector<std::string>& found) {
  forEachField<Record>(
      [&](const auto& f) { compareValues(f.of(a), f.of(b), at + std::string(f.name), found); });
}

std::vector<std::string> storedDifferences(const Bulkhead& a, const Bulkhead& b) {
  std::vector<std::string> found;
  storedDifferences(a, b, "", found);
  return found;
}

// Three bulkheads with every stored field given, some of them selected.
Arrangement source() {
  Arrangement a = sampleArrangement({.bulkheads = 3});
  a.Name = "Source";
  for (int i = 1; i <= 3; ++i) a.Bulkheads.at(i).Name = "Source bulkhead " + std::to_string(i);
  a.Bulkheads.at(2).CurNode = 2;
  a.Bulkheads.at(2).Stiffeners.at(1).Selected = true;
  a.CurBulkhead = 2;
  return a;
}

Arrangement target() {
  Arrangement a = sampleArrangement({.bulkheads = 2, .nodes = 5});
  a.Name = "Target";
  return a;
}

TEST(BulkheadCopy, TheCopiesEqualTheirSourcesFieldForFieldAndComputeAlike) {
  struct Case {
    const char* what;
    bool sameArrangement;
    std::vector<int> chosen;
  };
  const Case cases[] = {
      {"one from another", false, {2}},
      {"several, in the order chosen", false, {3, 1}},
      {"all from another", false, {1, 2, 3}},
      {"one from the same arrangement", true, {1}},
      {"all of the same arrangement", true, {1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Arrangement into = target();
    const Arrangement from = c.sameArrangement ? into : source();
    const Arrangement before = into;
    ASSERT_EQ(refusedBulkheadChoice(from, c.chosen, into.Bulkheads.count()), std::nullopt);

    const EditOutcome outcome =
        appendBulkheads(into, pickBulkheads(from, c.chosen, "the source", std::nullopt));

    EXPECT_EQ(outcome, EditOutcome{});
    const int count = before.Bulkheads.count();
    ASSERT_EQ(into.Bulkheads.count(), count + static_cast<int>(c.chosen.size()));
    EXPECT_EQ(into.CurBulkhead, count + 1);
    for (int i = 1; i <= count; ++i) EXPECT_EQ(into.Bulkheads.at(i), before.Bulkheads.at(i));
    for (std::size_t k = 0; k < c.chosen.size(); ++k) {
      const Bulkhead& copy = into.Bulkheads.at(count + 1 + static_cast<int>(k));
      Bulkhead expected = from.Bulkheads.at(c.chosen[k]);
      EXPECT_EQ(storedDifferences(copy, expected), std::vector<std::string>{}) << "copy " << k;
      clearSelection(expected);
      EXPECT_EQ(selectionOf(copy).selectedStiffeners, selectionOf(expected).selectedStiffeners);
      EXPECT_EQ(copy.CurNode, 0);
    }

    // Computed as the editor computes them, each copy has its source's geometry.
    Arrangement computedFrom = from;
    GeometryState state;
    MessageList messages;
    computeGeometry(computedFrom, state, messages, 1);
    state = {};
    computeGeometry(into, state, messages, 1);
    for (std::size_t k = 0; k < c.chosen.size(); ++k) {
      Bulkhead expected = computedFrom.Bulkheads.at(c.chosen[k]);
      clearSelection(expected);
      Bulkhead copy = into.Bulkheads.at(count + 1 + static_cast<int>(k));
      clearSelection(copy);
      EXPECT_EQ(copy, expected) << "copy " << k;
    }
  }
}

TEST(BulkheadCopy, AChoiceThatCannotBeCopiedIsRefusedNamingWhy) {
  struct Case {
    std::vector<int> chosen;
    int bulkheadsHere;
    const char* refusal;
  };
  const Case cases[] = {
      {{}, 1, "no bulkhead is chosen"},
      {{0}, 1, "bulkhead 0 is not one of the 3 bulkheads of the arrangement"},
      {{1, 4}, 1, "bulkhead 4 is not one of the 3 bulkheads of the arrangement"},
      {{2, 3, 2}, 1, "bulkhead 2 is chosen twice"},
      {{1, 2}, 32766, "an arrangement holds at most 32767 bulkheads"},
  };
  const Arrangement from = source();
  for (const Case& c : cases) {
    EXPECT_EQ(refusedBulkheadChoice(from, c.chosen, c.bulkheadsHere), c.refusal);
  }
  EXPECT_EQ(refusedBulkheadChoice(from, {1}, 32766), std::nullopt);
}

// A ship with three materials: mild steel, then two high tensile grades.
ShipData shipWithMaterials() {
  ShipData ship;
  ship.MaterialCount = 3;
  const Single kinds[] = {2, 3, 4};
  const Single strengths[] = {235, 315, 355};
  for (int k = 1; k <= 3; ++k) {
    ship.MaterialKind.at(k) = kinds[k - 1];
    ship.MaterialTable.at(1).at(k) = strengths[k - 1];
    ship.MaterialTable.at(3).at(k) = 206000;
  }
  return ship;
}

TEST(BulkheadCopy, MaterialNumbersMeaningAnotherMaterialHereAreKeptAndTold) {
  // The sample's bulkhead 1 uses materials 1 to 3 (plating 2).
  struct Case {
    const char* what;
    void (*changeHere)(ShipData&);
    std::vector<Integer> told;
  };
  const Case cases[] = {
      {"the same materials", [](ShipData&) {}, {}},
      {"material 2 of another strength",
       [](ShipData& s) { s.MaterialTable.at(1).at(2) = 390; },
       {2}},
      {"material 3 of another kind", [](ShipData& s) { s.MaterialKind.at(3) = 2; }, {3}},
      {"only material 1 here", [](ShipData& s) { s.MaterialCount = 1; }, {2, 3}},
      {"a property beyond the strength",
       [](ShipData& s) { s.MaterialTable.at(5).at(1) = 0.72F; },
       {1}},
  };
  const Arrangement from = source();
  const ShipData there = shipWithMaterials();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ShipData here = there;
    c.changeHere(here);
    const BulkheadCopy copy =
        pickBulkheads(from, {1}, "block 1 of other.ko2", CopyShips{there, here});
    std::vector<Integer> told;
    for (const MaterialMismatch& m : copy.bulkheads.front().mismatches) told.push_back(m.number);
    EXPECT_EQ(told, c.told);

    Arrangement into = target();
    const EditOutcome outcome = appendBulkheads(into, copy);
    EXPECT_EQ(storedDifferences(into.Bulkheads.at(3), from.Bulkheads.at(1)),
              std::vector<std::string>{});
    ASSERT_EQ(outcome.messages.size(), c.told.empty() ? 0U : 1U);
    if (c.told.empty()) continue;
    const Message& message = outcome.messages.front();
    EXPECT_EQ(message.bulkhead, 3);
    EXPECT_EQ(message.kind, PanelCode::Bulkhead);
    EXPECT_NE(message.text.find("Bulkhead 3 (bulkhead 1 of block 1 of other.ko2)"),
              std::string::npos)
        << message.text;
  }
}

TEST(BulkheadCopy, ASourceOfOtherSymmetryIsTold) {
  Arrangement from = source();
  from.SymFlag = 0;
  Arrangement into = target();
  const EditOutcome outcome =
      appendBulkheads(into, pickBulkheads(from, {1, 2}, "block 2", std::nullopt));
  ASSERT_EQ(outcome.messages.size(), 1U);
  EXPECT_EQ(outcome.messages.front().bulkhead, 3);
  EXPECT_NE(outcome.messages.front().text.find("symmetry flag is 0, and this one's is 1"),
            std::string::npos)
      << outcome.messages.front().text;
}

}  // namespace
}  // namespace korain::testing
