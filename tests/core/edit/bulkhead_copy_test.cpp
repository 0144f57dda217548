// Bulkheads copied between arrangements: every stored field arrives as it was,
// found by walking the field tables; the copy computes to the source's
// geometry; material numbers that change meaning between ships are told.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/bulkhead_copy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "geometry/compute_geometry.h"
#include "model/record_fields.h"
#include "model/selection.h"
#include "sample_arrangement.h"

namespace korain::testing {
namespace {

// The stored fields of two records that differ, as ".Stiffeners[2].Spans[1].Mat",
// found through the field tables alone.
template <typename T>
void differences(const T& a, const T& b, const std::string& at, std::vector<std::string>& found) {
  if constexpr (Described<T>) {
    forEachField<T>([&](const auto& f) {
      differences(f.of(a), f.of(b), at + "." + std::string(f.name), found);
    });
  } else if constexpr (requires { a.count(); }) {
    if (a.count() != b.count()) found.push_back(at + " count");
    for (int i = 1; i <= std::min(a.count(), b.count()); ++i) {
      differences(a.at(i), b.at(i), at + "[" + std::to_string(i) + "]", found);
    }
  } else if (a != b) {
    found.push_back(at);
  }
}

std::vector<std::string> storedDifferences(const Bulkhead& a, const Bulkhead& b) {
  std::vector<std::string> found;
  differences(a, b, "", found);
  return found;
}

// Three bulkheads with every stored field given, one of them with a selection.
Arrangement source() {
  Arrangement a = sampleArrangement({.bulkheads = 3});
  a.Bulkheads.at(2).CurNode = 2;
  a.Bulkheads.at(2).Stiffeners.at(1).Selected = true;
  return a;
}

TEST(BulkheadCopy, TheCopiesEqualTheirSourcesFieldForFieldAndComputeAlike) {
  const struct {
    bool sameArrangement;
    std::vector<int> chosen;
  } cases[] = {{false, {2}}, {false, {3, 1}}, {false, {1, 2, 3}}, {true, {1}}, {true, {1, 2}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.chosen) + (c.sameArrangement ? " same" : " other"));
    Arrangement into = sampleArrangement({.bulkheads = 2, .nodes = 5});
    const Arrangement from = c.sameArrangement ? into : source();
    const Arrangement before = into;
    EXPECT_EQ(appendBulkheads(into, pickBulkheads(from, c.chosen, "it", std::nullopt)),
              EditOutcome{});
    ASSERT_EQ(into.Bulkheads.count(), 2 + static_cast<int>(c.chosen.size()));
    EXPECT_EQ(into.CurBulkhead, 3);
    for (int i = 1; i <= 2; ++i) EXPECT_EQ(into.Bulkheads.at(i), before.Bulkheads.at(i));

    // Computed as the editor computes them, each copy is its source, but for the selection.
    Arrangement computed = from;
    GeometryState state;
    MessageList messages;
    computeGeometry(computed, state, messages, 1);
    state = {};
    computeGeometry(into, state, messages, 1);
    for (std::size_t k = 0; k < c.chosen.size(); ++k) {
      const Bulkhead& copy = into.Bulkheads.at(3 + static_cast<int>(k));
      Bulkhead expected = computed.Bulkheads.at(c.chosen[k]);
      EXPECT_EQ(storedDifferences(copy, expected), std::vector<std::string>{});
      clearSelection(expected);
      EXPECT_EQ(copy, expected);
    }
  }
}

TEST(BulkheadCopy, AChoiceThatCannotBeCopiedIsRefusedNamingWhy) {
  const struct {
    std::vector<int> chosen;
    int bulkheadsHere;
    std::optional<std::string> refusal;
  } cases[] = {
      {{}, 1, "no bulkhead is chosen"},
      {{1, 4}, 1, "bulkhead 4 is not one of the 3 bulkheads of the arrangement"},
      {{0}, 1, "bulkhead 0 is not one of the 3 bulkheads of the arrangement"},
      {{2, 3, 2}, 1, "bulkhead 2 is chosen twice"},
      {{1, 2}, 32766, "an arrangement holds at most 32767 bulkheads"},
      {{1}, 32766, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(refusedBulkheadChoice(source(), c.chosen, c.bulkheadsHere), c.refusal);
  }
}

// Mild steel, then two high tensile grades.
ShipData shipWithMaterials() {
  ShipData ship;
  ship.MaterialCount = 3;
  for (int k = 1; k <= 3; ++k) {
    ship.MaterialKind.at(k) = k == 1 ? 2.0F : 3.0F;
    ship.MaterialTable.at(1).at(k) = k == 1 ? 235.0F : 275.0F + 40.0F * static_cast<Single>(k - 1);
  }
  return ship;
}

// The sample's bulkhead 1 uses materials 1 to 3; the numbers are kept whatever they mean here.
TEST(BulkheadCopy, MaterialNumbersMeaningAnotherMaterialHereAreKeptAndTold) {
  const struct {
    void (*changeHere)(ShipData&);
    std::vector<Integer> told;
  } cases[] = {
      {[](ShipData&) {}, {}},
      {[](ShipData& s) { s.MaterialTable.at(1).at(2) = 390; }, {2}},
      {[](ShipData& s) { s.MaterialKind.at(3) = 4; }, {3}},
      {[](ShipData& s) { s.MaterialCount = 1; }, {2, 3}},
      {[](ShipData& s) { s.MaterialTable.at(5).at(1) = 0.72F; }, {1}},
  };
  const Arrangement from = source();
  const ShipData there = shipWithMaterials();
  for (const auto& c : cases) {
    ShipData here = there;
    c.changeHere(here);
    const BulkheadCopy copy = pickBulkheads(from, {1}, "block 1 of b.ko2", CopyShips{there, here});
    std::vector<Integer> told;
    for (const MaterialMismatch& m : copy.bulkheads.front().mismatches) told.push_back(m.number);
    EXPECT_EQ(told, c.told);
    Arrangement into = sampleArrangement({.bulkheads = 2});
    const EditOutcome outcome = appendBulkheads(into, copy);
    ASSERT_EQ(outcome.messages.size(), c.told.empty() ? 0U : 1U);
    if (!c.told.empty()) {
      EXPECT_EQ(outcome.messages.front().bulkhead, 3);
      EXPECT_TRUE(outcome.messages.front().text.starts_with(
          "Bulkhead 3 (bulkhead 1 of block 1 of b.ko2) keeps its material numbers:"));
    }
  }
}

TEST(BulkheadCopy, ASourceOfOtherSymmetryIsTold) {
  Arrangement from = source();
  from.SymFlag = 0;
  Arrangement into = sampleArrangement({});
  const EditOutcome outcome = appendBulkheads(into, pickBulkheads(from, {1, 2}, "b", {}));
  ASSERT_EQ(outcome.messages.size(), 1U);
  EXPECT_EQ(outcome.messages.front().bulkhead, 3);
}

}  // namespace
}  // namespace korain::testing
