// A drawing's pieces chained and made nodes: the contour the nodes draw, by the
// bulkhead geometry's own arcs, runs where the drawing's pieces run.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "../geometry/geometry_test_support.h"
#include "import/contour_chain.h"
#include "import/contour_nodes.h"

namespace korain::testing {
namespace {

double bulgeOf(double degrees) { return std::tan(degrees * std::numbers::pi / 720); }

// The nodes drawn back and the source path lie within 0.001 m of each other, both ways.
void expectSameCurve(const ContourPath& source, const List<Node>& nodes) {
  const std::vector<PlanePoint> drawn = drawnContour(nodes);
  const std::vector<PlanePoint> wanted = flattenPath(source, 1e-5);
  ASSERT_FALSE(drawn.empty());
  for (const PlanePoint p : wanted) EXPECT_LE(distanceToPolyline(p, drawn), 0.001);
  for (const PlanePoint p : drawn) EXPECT_LE(distanceToPolyline(p, wanted), 0.001);
}

TEST(ContourNodes, ArcsOfEitherTurnAndSizeBecomeArcNodesOnTheSameCurve) {
  const struct {
    ContourPath path;
    std::vector<Long> codes;
    std::vector<double> radii;  // of the arc nodes, in order
  } cases[] = {
      {{{{0, 0}, 0}, {{3, 0}, 0}, {{3, 4}, 0}}, {0, 1, 1}, {}},
      {{{{0, 0}, bulgeOf(90)}, {{2, 2}, -bulgeOf(60)}, {{3, 5}, 0}},
       {0, 3, 3},
       {2, -std::hypot(1, 3)}},
      {{{{0, 0}, 1}, {{4, 0}, 0}}, {0, 3, 3}, {2, 2}},
      {{{{4, 0}, bulgeOf(270)}, {{2, 2}, 0}}, {0, 3, 3}, {2, 2}},
      {{{{2, 6}, -bulgeOf(240)}, {{2 + std::sqrt(3) / 2, 7.5}, 0}}, {0, 3, 3}, {-1, -1}},
  };
  for (const auto& c : cases) {
    const List<Node> nodes = contourNodes(c.path);
    std::vector<Long> codes;
    std::vector<double> radii;
    for (const Node& node : nodes) {
      codes.push_back(node.ShCur);
      if (node.ShCur == kCurveArc) radii.push_back(node.ShR);
    }
    EXPECT_EQ(codes, c.codes);
    ASSERT_EQ(radii.size(), c.radii.size());
    for (std::size_t i = 0; i < radii.size(); ++i) EXPECT_NEAR(radii[i], c.radii[i], 1e-5);
    expectSameCurve(c.path, nodes);
  }
}

TEST(ContourNodes, NoMoreNodesThanABulkheadNumbers) {
  for (const int points : {kMostContourNodes, kMostContourNodes + 1}) {
    ContourPath path(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i) path[static_cast<std::size_t>(i)].point.y = i * 0.01;
    EXPECT_EQ(contourNodes(path).count(), points > kMostContourNodes ? 0 : points);
  }
}

DxfPiece line(PlanePoint from, PlanePoint to, const char* layer = "0") {
  return {layer, from, to, 0};
}

TEST(ChooseContourChain, JoinsLoosePiecesEitherWayTakesTheLongestOrSaysWhatWasMissing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const DxfPiece arc{"0", {2, 1}, {1, 0}, -bulgeOf(90)};  // drawn against the chain
  // Out of order, turned round, 0.4 mm apart; a gap of 2 mm makes two chains.
  const DxfEntities loose{
      0, {}, {line({2, 2}, {2, 0.0004}), line({0, 0}, {2, 0}), line({0, 2}, {2, 2})}};
  const DxfEntities square{
      0, {}, {line({0, 0}, {1, 0}), arc, line({0, 1}, {2, 1}), line({0, 1}, {0, 0})}};
  const DxfEntities gap{0, {}, {line({0, 0}, {1, 0}), line({1.002, 0}, {5, 0})}};
  const DxfPolyline longer{"H", {{{0, 0}, 0}, {{20, 0}, 0}}, false};
  const DxfEntities layers{0, {longer}, {line({0, 5}, {9, 5}, "C"), line({9, 5}, {9, 9}, "C")}};
  // A closed polyline ends on its first point; repeats and non-numbers are left out.
  const DxfEntities closed{
      0, {{"0", {{{0, 0}, 0}, {{1, 0}, 0}, {{1, 0}, 0}, {{1, 1}, 0}}, true}}, {}};
  const DxfEntities unusable{
      0, {{"0", {{{nan, 0}, 0}, {{1, 0}, 0}}, false}}, {line({0, 0}, {0, 1e9})}};
  const DxfEntities otherLayer{0, {}, {line({0, 0}, {1, 1}, "A")}};
  const struct {
    DxfEntities entities;
    std::string layer;
    int candidates;
    std::size_t points;  // of the chosen chain, its last point included
    bool closed;
    std::string missing;
  } cases[] = {
      {loose, "", 1, 4, false, ""},
      {square, "", 1, 5, true, ""},
      {gap, "", 2, 2, false, ""},
      {layers, "C", 1, 3, false, ""},
      {layers, "", 2, 2, false, ""},
      {closed, "", 1, 4, true, ""},
      {unusable, "", 0, 0, false, "of two distinct points"},
      {{}, "", 0, 0, false, "no polyline, line or arc to make a contour of"},
      {otherLayer, "B", 0, 0, false, "on layer \"B\""},
  };
  for (const auto& c : cases) {
    const ChainChoice choice = chooseContourChain(c.entities, c.layer);
    EXPECT_EQ(choice.candidates, c.candidates);
    EXPECT_EQ(choice.chain.path.size(), c.points);
    EXPECT_EQ(choice.chain.closed, c.closed);
    EXPECT_EQ(choice.missing.empty(), c.missing.empty());
    EXPECT_NE(choice.missing.find(c.missing), std::string::npos) << choice.missing;
    if (c.closed && !c.entities.pieces.empty()) {
      // The arc turned round with the chain still bulges the way it was drawn.
      const ContourPath drawn = {
          {{0, 0}, 0}, {{1, 0}, bulgeOf(90)}, {{2, 1}, 0}, {{0, 1}, 0}, {{0, 0}, 0}};
      expectSameCurve(drawn, contourNodes(choice.chain.path));
    }
  }
}

TEST(MetresPerUnit, KnownUnitsConvertOthersAreNamed) {
  const struct {
    int code;
    double metres;  // 0: refused
    const char* refusal;
  } cases[] = {{0, 1, ""},      {6, 1, ""},      {4, 0.001, ""},
               {5, 0.01, ""},   {14, 0.1, ""},   {1, 0.0254, ""},
               {2, 0.3048, ""}, {3, 0, "miles"}, {99, 0, "units code 99"}};
  for (const auto& c : cases) {
    std::string refusal;
    EXPECT_EQ(metresPerUnit(c.code, refusal).value_or(0), c.metres) << c.code;
    EXPECT_EQ(refusal, c.refusal) << c.code;
  }
}

}  // namespace
}  // namespace korain::testing
