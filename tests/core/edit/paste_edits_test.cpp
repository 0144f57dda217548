// Pastes into the node table, the stiffener list and the level grid: the rows
// they replace or append, and the refusals that leave everything as it was.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/paste_edits.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "model/codes.h"
#include "model/compartment_tables.h"
#include "model/record_fields.h"
#include "view/node_table.h"

namespace korain {

void PrintTo(const PasteRefusal& refusal, std::ostream* out) { *out << refusalText(refusal); }

namespace {

std::vector<PastedRow> rowsOf(const std::string& text, PasteShape shape) {
  return std::get<std::vector<PastedRow>>(readPastedTable(text, shape));
}

// Nodes at y 1 to 6, each linked to the section, arcs but the first.
Bulkhead sixNodes() {
  Bulkhead bulkhead;
  for (int k = 1; k <= 6; ++k) {
    bulkhead.Nodes.append({.Y = static_cast<Single>(k), .Ipan = 7, .ShCur = k == 1 ? 0 : 3});
  }
  return bulkhead;
}

TEST(NodePaste, RowsReplaceTheChosenOnesOrGoInWhereNoneIsChosen) {
  struct Case {
    PasteTarget target;
    std::vector<float> expectedY;
  };
  const Case cases[] = {{{.first = 2, .count = 2}, {1, 10, 20, 30, 4, 5, 6}},
                        {{.first = 1, .count = 6}, {10, 20, 30}},
                        {{.first = 7, .count = 0}, {1, 2, 3, 4, 5, 6, 10, 20, 30}},
                        {{.first = 1, .count = 0}, {10, 20, 30, 1, 2, 3, 4, 5, 6}}};
  for (const Case& c : cases) {
    Bulkhead bulkhead = sixNodes();
    auto nodes = pastedNodes(bulkhead, c.target, rowsOf("10 0 4 2\n20 0\n30 0 3", kNodeRowShape));
    pasteNodes(bulkhead, c.target, std::get<std::vector<Node>>(nodes));
    const auto rows = nodeTableRows(bulkhead, 1, bulkhead.Nodes.count());
    ASSERT_EQ(rows.size(), c.expectedY.size()) << c.target.first;
    for (std::size_t k = 0; k < rows.size(); ++k) {
      EXPECT_EQ(rows[k][0], c.expectedY[k]) << c.target.first << k;
      // The start code on the first node only; an old first node now follows another.
      EXPECT_EQ(rows[k][2] == 0, k == 0) << c.target.first << k;
      // A replaced node keeps its link to the section; a new one has none.
      const int offset = static_cast<int>(k) + 1 - c.target.first;
      const bool pasted = offset >= 0 && offset < 3;
      EXPECT_EQ(bulkhead.Nodes.at(static_cast<int>(k) + 1).Ipan == 7,
                !pasted || offset < c.target.count)
          << c.target.first << k;
    }
    EXPECT_EQ(bulkhead.CurNode, std::min(c.target.first, bulkhead.Nodes.count()));
  }
}

TEST(NodePaste, AFieldTheNodeFormRefusesRefusesThePaste) {
  const std::pair<std::string, PasteRefusal> cases[] = {{"1 0 7", {2, "Curve cannot be 7"}},
                                                        {"1 0 0", {2, "Curve cannot be 0"}},
                                                        {"1 0 2.5", {2, "Curve cannot be 2.5"}},
                                                        {"1e40 0", {2, "Y cannot be 1e+40"}},
                                                        {"1 0 3 1e39", {2, "R cannot be 1e+39"}}};
  for (const auto& [line, refusal] : cases) {
    const auto nodes = pastedNodes(sixNodes(), {.first = 2}, rowsOf("0 0\n" + line, kNodeRowShape));
    EXPECT_EQ(std::get<PasteRefusal>(nodes), refusal) << line;
  }
}

TEST(PositionPaste, MovesTheSelectedInOrderAddsTheRestAndRefusesOneOnAnother) {
  struct Case {
    std::vector<bool> selected;  // of stiffeners at 1, 2, 3, 4 of material 2
    std::string text;
    std::vector<std::pair<Single, Integer>> expected;  // every position and material
    std::optional<PasteRefusal> refusal = std::nullopt;
  };
  const Case cases[] = {
      {{false, true, true, false}, "2,5\n3,5\n6", {{1, 2}, {2.5F, 2}, {3.5F, 2}, {4, 2}, {6, 1}}},
      {{true, false, true, false}, "0.5", {{0.5F, 2}, {2, 2}, {3, 2}, {4, 2}}},
      {{true, false, false, false},
       "5\n6\n5",
       {},
       PasteRefusal{3, "a stiffener stands at 5 already"}},
      {{true, true, false, false}, "1e39", {}, PasteRefusal{1, "A position cannot be 1e+39"}}};
  for (const Case& c : cases) {
    Bulkhead bulkhead;
    for (int k = 1; k <= 4; ++k) {
      OrdinaryStiffener& s = bulkhead.Stiffeners.append();
      s.Position = static_cast<Single>(k);
      s.iMat = 2;
      s.Selected = c.selected[static_cast<std::size_t>(k - 1)];
    }
    auto positions = pastedPositions(bulkhead, rowsOf(c.text, kPositionRowShape));
    if (c.refusal) {
      EXPECT_EQ(std::get<PasteRefusal>(positions), *c.refusal) << c.text;
      continue;
    }
    pastePositions(bulkhead, std::get<std::vector<Single>>(positions), 1);
    std::vector<std::pair<Single, Integer>> found;
    for (const OrdinaryStiffener& s : bulkhead.Stiffeners) found.emplace_back(s.Position, s.iMat);
    EXPECT_EQ(found, c.expected) << c.text;
  }
}

TEST(LevelPaste, LevelsWithOrWithoutTheirFreeSurfaceAndWhatACompartmentCannotKeep) {
  Compartment compartment;
  compartment.Table1.at(kHeightEntry) = 20;
  for (int k = 1; k <= 3; ++k) compartment.Points.append({static_cast<Single>(k), 1, 1});
  const PasteTarget target{.first = 2, .count = 1};
  auto metres = pastedLevels(compartment, target, rowsOf("4\n8;30\n12;31;32", kLevelRowShape),
                             LevelUnit::Metres, 25, 26);
  pasteLevels(compartment, target, std::get<std::vector<FillingPoint>>(metres));
  const std::vector<FillingPoint> expected = {
      {1, 1, 1}, {4, 25, 26}, {8, 30, 26}, {12, 31, 32}, {3, 1, 1}};
  EXPECT_EQ(std::vector(compartment.Points.begin(), compartment.Points.end()), expected);

  compartment.Table1.at(kHeightEntry) = 0;
  EXPECT_EQ(std::get<PasteRefusal>(pastedLevels(compartment, {}, rowsOf("50", kLevelRowShape),
                                                LevelUnit::ShareOfHeight, 1, 1)),
            (PasteRefusal{1, "the tank has no height"}));
  compartment.Points.resize(kMaxFillingLevels - 1);
  const std::vector<PastedRow> two = rowsOf("1\n2", kLevelRowShape);
  EXPECT_TRUE(std::holds_alternative<PasteRefusal>(
      pastedLevels(compartment, {.first = 1}, two, LevelUnit::Metres, 1, 1)));
  EXPECT_FALSE(std::holds_alternative<PasteRefusal>(
      pastedLevels(compartment, {.first = 1, .count = 2}, two, LevelUnit::Metres, 1, 1)));
}

}  // namespace
}  // namespace korain
