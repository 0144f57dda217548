// Pastes into the node table, the stiffener list and the level grid: the rows
// they replace or append, and the refusals that leave everything as it was.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/paste_edits.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "edit/resonance_edits.h"
#include "model/codes.h"
#include "model/compartment_tables.h"
#include "model/record_fields.h"
#include "sample_arrangement.h"
#include "view/node_table.h"

namespace korain {

void PrintTo(const PasteRefusal& refusal, std::ostream* out) { *out << refusalText(refusal); }

namespace {

std::vector<PastedRow> rowsOf(const std::string& text, PasteShape shape) {
  PasteReading read = readPastedTable(text, shape);
  EXPECT_TRUE(std::holds_alternative<std::vector<PastedRow>>(read)) << text;
  if (auto* refusal = std::get_if<PasteRefusal>(&read)) ADD_FAILURE() << refusalText(*refusal);
  return std::get<std::vector<PastedRow>>(std::move(read));
}

// The paste made and put in place, as the panel does; the refusal when there is one.
std::optional<PasteRefusal> pasteNodeText(Bulkhead& bulkhead, PasteTarget target,
                                          const std::string& text) {
  auto nodes = pastedNodes(bulkhead, target, rowsOf(text, kNodeRowShape));
  if (auto* refusal = std::get_if<PasteRefusal>(&nodes)) return *refusal;
  pasteNodes(bulkhead, target, std::get<std::vector<Node>>(nodes));
  return std::nullopt;
}

// The table a bulkhead's nodes show, as text rows of six values.
std::vector<std::vector<float>> tableOf(const Bulkhead& bulkhead) {
  return nodeTableRows(bulkhead, 1, bulkhead.Nodes.count());
}

TEST(NodePaste, AContourOfSixNodesInAnEmptyBulkheadReadsBackInTheTable) {
  Bulkhead bulkhead;
  ASSERT_FALSE(pasteNodeText(bulkhead, {.first = 1, .count = 0},
                             "Y\tZ\tCurve\tR\n"
                             "0\t0\n"
                             "12,5\t0\n"
                             "14\t1,5\t4\t1,5\n"
                             "14\t18\n"
                             "0\t18\t1\n"
                             "0\t0\n"));
  const std::vector<std::vector<float>> expected = {
      {0, 0, 0, 0, 0, 0},   {12.5F, 0, 1, 0, 0, 0}, {14, 1.5F, 4, 1.5F, 0, 0},
      {14, 18, 1, 0, 0, 0}, {0, 18, 1, 0, 0, 0},    {0, 0, 1, 0, 0, 0}};
  EXPECT_EQ(tableOf(bulkhead), expected);
  EXPECT_EQ(bulkhead.CurNode, 1);
}

TEST(NodePaste, RowsReplaceTheChosenOnesOrGoInWhereNoneIsChosen) {
  struct Case {
    const char* what;
    PasteTarget target;
    std::vector<float> expectedY;  // node k's Y, the sample's nodes 1 to 6 at 1 to 6
  };
  const Case cases[] = {
      {"two replaced by three", {.first = 2, .count = 2}, {1, 10, 20, 30, 4, 5, 6}},
      {"all replaced", {.first = 1, .count = 6}, {10, 20, 30}},
      {"appended", {.first = 7, .count = 0}, {1, 2, 3, 4, 5, 6, 10, 20, 30}},
      {"put in front", {.first = 1, .count = 0}, {10, 20, 30, 1, 2, 3, 4, 5, 6}},
  };
  for (const Case& c : cases) {
    Bulkhead bulkhead;
    for (int k = 1; k <= 6; ++k) {
      Node& node = bulkhead.Nodes.append();
      node.Y = static_cast<Single>(k);
      node.ShCur = k == 1 ? 0 : 3;
      node.Ipan = static_cast<Integer>(100 + k);
    }
    ASSERT_FALSE(pasteNodeText(bulkhead, c.target, "10 0\n20 0\n30 0 4")) << c.what;
    ASSERT_EQ(bulkhead.Nodes.count(), std::ssize(c.expectedY)) << c.what;
    for (int k = 1; k <= bulkhead.Nodes.count(); ++k) {
      const Node& node = bulkhead.Nodes.at(k);
      EXPECT_EQ(node.Y, c.expectedY.at(static_cast<std::size_t>(k - 1))) << c.what << k;
      // The start code on the first node only; an old first node now follows another.
      EXPECT_EQ(node.ShCur == 0, k == 1) << c.what << k;
    }
    EXPECT_EQ(bulkhead.CurNode, std::min(c.target.first, bulkhead.Nodes.count())) << c.what;
  }
}

TEST(NodePaste, AReplacedNodeKeepsItsLinksToTheSection) {
  Bulkhead bulkhead;
  bulkhead.Nodes.append({.Y = 1, .Ipan = 7, .Inod = 3});
  bulkhead.Nodes.append({.Y = 2, .ShCur = 1, .ShR = 5});
  ASSERT_FALSE(pasteNodeText(bulkhead, {.first = 1, .count = 2}, "4 0\n5 0"));
  EXPECT_EQ(bulkhead.Nodes.at(1).Ipan, 7);
  EXPECT_EQ(bulkhead.Nodes.at(1).Inod, 3);
  EXPECT_EQ(bulkhead.Nodes.at(2).ShR, 0) << "a radius not pasted is no radius";
}

TEST(NodePaste, AFieldTheNodeFormRefusesRefusesThePaste) {
  struct Case {
    std::string text;
    PasteRefusal refusal;
  };
  const Case cases[] = {
      {"0 0\n1 0 7", {2, "Curve cannot be 7"}},      {"0 0\n1 0 0", {2, "Curve cannot be 0"}},
      {"0 0\n1 0 2.5", {2, "Curve cannot be 2.5"}},  {"0 0\n1e40 0", {2, "Y cannot be 1e+40"}},
      {"0 0\n1 0 3 1e39", {2, "R cannot be 1e+39"}},
  };
  for (const Case& c : cases) {
    Bulkhead bulkhead;
    bulkhead.Nodes.append({.Y = 3});
    const Bulkhead before = bulkhead;
    EXPECT_EQ(pasteNodeText(bulkhead, {.first = 2, .count = 0}, c.text), c.refusal) << c.text;
    EXPECT_EQ(bulkhead, before) << c.text;
  }
}

// A vertically stiffened bulkhead with stiffeners at the positions, those marked selected.
Bulkhead stiffenedAt(const std::vector<Single>& positions, const std::vector<bool>& selected) {
  Bulkhead bulkhead;
  bulkhead.stfHV = kVertical;
  for (std::size_t k = 0; k < positions.size(); ++k) {
    OrdinaryStiffener& s = bulkhead.Stiffeners.append();
    s.Position = positions[k];
    s.iMat = 2;
    s.Selected = selected[k];
  }
  return bulkhead;
}

struct StiffenerView {
  Single position;
  bool selected;
  Integer material;
  bool operator==(const StiffenerView&) const = default;
};

std::vector<StiffenerView> viewOf(const Bulkhead& bulkhead) {
  std::vector<StiffenerView> view;
  for (const OrdinaryStiffener& s : bulkhead.Stiffeners) {
    view.push_back({s.Position, s.Selected, s.iMat});
  }
  return view;
}

TEST(PositionPaste, MovesTheSelectedInOrderAndAddsTheRest) {
  struct Case {
    const char* what;
    std::vector<bool> selected;  // of stiffeners at 1, 2, 3, 4
    std::string text;
    std::vector<StiffenerView> expected;
  };
  const Case cases[] = {
      {"two moved, one added",
       {false, true, true, false},
       "2,5\n3,5\n6",
       {{1, false, 2}, {2.5F, true, 2}, {3.5F, true, 2}, {4, false, 2}, {6, true, 1}}},
      {"one moved, one kept",
       {true, false, true, false},
       "0.5",
       {{0.5F, true, 2}, {2, false, 2}, {3, false, 2}, {4, false, 2}}},
      {"none selected: all added",
       {false, false, false, false},
       "5\n4.5",
       {{1, false, 2}, {2, false, 2}, {3, false, 2}, {4, false, 2}, {4.5F, true, 1}, {5, true, 1}}},
      {"a selected one pasted where it stands",
       {false, true, false, false},
       "2",
       {{1, false, 2}, {2, true, 2}, {3, false, 2}, {4, false, 2}}},
  };
  for (const Case& c : cases) {
    Bulkhead bulkhead = stiffenedAt({1, 2, 3, 4}, c.selected);
    auto positions = pastedPositions(bulkhead, rowsOf(c.text, kPositionRowShape));
    ASSERT_TRUE(std::holds_alternative<std::vector<Single>>(positions)) << c.what;
    pastePositions(bulkhead, std::get<std::vector<Single>>(positions), 1);
    EXPECT_EQ(viewOf(bulkhead), c.expected) << c.what;
  }
}

TEST(PositionPaste, AStiffenerOnAnotherRefusesThePaste) {
  struct Case {
    std::vector<bool> selected;
    std::string text;
    PasteRefusal refusal;
  };
  const Case cases[] = {
      {{false, false}, "5\n1.0005", {2, "a stiffener stands at 1.0005 already"}},
      {{true, false}, "3\n2", {2, "a stiffener stands at 2 already"}},
      {{false, false}, "5\n6\n5", {3, "a stiffener stands at 5 already"}},
      {{true, true}, "3\n1e39", {2, "A position cannot be 1e+39"}},
  };
  for (const Case& c : cases) {
    const Bulkhead bulkhead = stiffenedAt({1, 2}, c.selected);
    const auto positions = pastedPositions(bulkhead, rowsOf(c.text, kPositionRowShape));
    ASSERT_TRUE(std::holds_alternative<PasteRefusal>(positions)) << c.text;
    EXPECT_EQ(std::get<PasteRefusal>(positions), c.refusal) << c.text;
  }
}

Compartment tankOfHeight(Single height, int levels) {
  Compartment compartment;
  compartment.Table1.at(kHeightEntry) = height;
  for (int k = 1; k <= levels; ++k) compartment.Points.append({static_cast<Single>(k), 1, 1});
  return compartment;
}

TEST(LevelPaste, LevelsWithOrWithoutTheirFreeSurface) {
  Compartment compartment = tankOfHeight(20, 3);
  const std::vector<PastedRow> rows = rowsOf("4\n8;30\n12;31;32", kLevelRowShape);
  const PasteTarget target{.first = 2, .count = 1};
  auto levels = pastedLevels(compartment, target, rows, LevelUnit::Metres, 25, 26);
  ASSERT_TRUE(std::holds_alternative<std::vector<FillingPoint>>(levels));
  pasteLevels(compartment, target, std::get<std::vector<FillingPoint>>(levels));
  const std::vector<FillingPoint> expected = {
      {1, 1, 1}, {4, 25, 26}, {8, 30, 26}, {12, 31, 32}, {3, 1, 1}};
  EXPECT_EQ(std::vector<FillingPoint>(compartment.Points.begin(), compartment.Points.end()),
            expected);
}

TEST(LevelPaste, SharesOfTheHeightBecomeMetres) {
  const Compartment compartment = tankOfHeight(18, 0);
  const auto levels = pastedLevels(compartment, {}, rowsOf("50\n95\n12,5", kLevelRowShape),
                                   LevelUnit::ShareOfHeight, 1, 1);
  ASSERT_TRUE(std::holds_alternative<std::vector<FillingPoint>>(levels));
  const std::vector<FillingPoint>& points = std::get<std::vector<FillingPoint>>(levels);
  ASSERT_EQ(points.size(), 3U);
  EXPECT_FLOAT_EQ(points[0].H, 9);
  EXPECT_FLOAT_EQ(points[1].H, 17.1F);
  EXPECT_FLOAT_EQ(points[2].H, 2.25F);
  // Each level shows again the share it was given.
  EXPECT_NEAR(*shareOfHeight(compartment, points[1].H), 95, 1e-4);
}

TEST(LevelPaste, RefusedWhatTheCompartmentCannotKeep) {
  const Compartment flat = tankOfHeight(0, 0);
  EXPECT_FALSE(shareOfHeight(flat, 3));
  EXPECT_EQ(std::get<PasteRefusal>(pastedLevels(flat, {}, rowsOf("1\n50", kLevelRowShape),
                                                LevelUnit::ShareOfHeight, 1, 1)),
            (PasteRefusal{1, "the tank has no height"}));
  const Compartment full = tankOfHeight(10, kMaxFillingLevels - 1);
  const std::vector<PastedRow> two = rowsOf("1\n2", kLevelRowShape);
  EXPECT_TRUE(std::holds_alternative<PasteRefusal>(
      pastedLevels(full, {.first = kMaxFillingLevels, .count = 0}, two, LevelUnit::Metres, 1, 1)));
  // Two rows in place of two: the count stays within what the file keeps.
  EXPECT_FALSE(std::holds_alternative<PasteRefusal>(
      pastedLevels(full, {.first = 1, .count = 2}, two, LevelUnit::Metres, 1, 1)));
  EXPECT_EQ(std::get<PasteRefusal>(pastedLevels(full, {.first = 1, .count = 1},
                                                rowsOf("1 2 1e39", kLevelRowShape),
                                                LevelUnit::Metres, 1, 1)),
            (PasteRefusal{1, "A free surface cannot be 1e+39"}));
}

}  // namespace
}  // namespace korain
