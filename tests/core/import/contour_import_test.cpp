// A drawing's pieces chained and made nodes: the contour the nodes draw, by the
// bulkhead geometry's own arcs, runs where the drawing's pieces run.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "../geometry/geometry_test_support.h"
#include "geometry/contour_arc.h"
#include "import/contour_chain.h"
#include "import/contour_nodes.h"

namespace korain::testing {
namespace {

const double kQuarter = std::tan(std::numbers::pi / 8);

double bulgeOf(double degrees) { return std::tan(degrees * std::numbers::pi / 180 / 4); }

// The nodes drawn back as the bulkhead geometry draws them (every arc valid)
// and the source path lie within 0.001 m of each other, both ways.
void expectSameCurve(const ContourPath& source, const List<Node>& nodes) {
  const std::vector<PlanePoint> drawn = drawnContour(nodes);
  ASSERT_FALSE(drawn.empty());
  const std::vector<PlanePoint> wanted = flattenPath(source, 1e-5);
  for (const PlanePoint p : wanted) EXPECT_LE(distanceToPolyline(p, drawn), 0.001);
  for (const PlanePoint p : drawn) EXPECT_LE(distanceToPolyline(p, wanted), 0.001);
}

struct NodesCase {
  const char* name;
  ContourPath path;
  std::vector<Long> codes;
  std::vector<double> radii;  // of the arc nodes, in order
};

TEST(ContourNodes, ArcsOfEitherTurnAndSizeBecomeArcNodesOnTheSameCurve) {
  const std::vector<NodesCase> cases = {
      {"straight only", {{{0, 0}, 0}, {{3, 0}, 0}, {{3, 4}, 0}}, {0, 1, 1}, {}},
      {"quarter anticlockwise", {{{0, 0}, kQuarter}, {{2, 2}, 0}}, {0, 3}, {2}},
      {"quarter clockwise", {{{0, 0}, -kQuarter}, {{2, 2}, 0}}, {0, 3}, {-2}},
      {"both turns in a row",
       {{{0, 0}, kQuarter}, {{2, 2}, -bulgeOf(60)}, {{3, 5}, 0}},
       {0, 3, 3},
       {2, -std::hypot(1, 3)}},
      {"half a turn splits", {{{0, 0}, 1}, {{4, 0}, 0}}, {0, 3, 3}, {2, 2}},
      {"three quarters anticlockwise", {{{4, 0}, bulgeOf(270)}, {{2, 2}, 0}}, {0, 3, 3}, {2, 2}},
      {"two thirds clockwise",
       {{{2, 6}, -bulgeOf(240)}, {{2 + std::sqrt(3) / 2, 7.5}, 0}},
       {0, 3, 3},
       {-1, -1}},
  };
  for (const NodesCase& c : cases) {
    SCOPED_TRACE(c.name);
    const List<Node> nodes = contourNodes(c.path);
    std::vector<Long> codes;
    std::vector<double> radii;
    for (const Node& node : nodes) {
      codes.push_back(node.ShCur);
      if (node.ShCur == kCurveArc) radii.push_back(node.ShR);
      EXPECT_EQ(node.Abs, static_cast<Integer>(codes.size()));
    }
    EXPECT_EQ(codes, c.codes);
    ASSERT_EQ(radii.size(), c.radii.size());
    for (std::size_t i = 0; i < radii.size(); ++i) EXPECT_NEAR(radii[i], c.radii[i], 1e-5);
    expectSameCurve(c.path, nodes);
  }
}

TEST(ContourNodes, TangentPointIsWhereTheArcsEndTangentsMeet) {
  // The quarter round (0, 2) from (0, 0) to (2, 2) has its corner at (2, 0),
  // the same quarter clockwise round (2, 0) its corner at (0, 2).
  const List<Node> left = contourNodes({{{0, 0}, kQuarter}, {{2, 2}, 0}});
  EXPECT_NEAR(left.at(2).ShYT, 2, 1e-6);
  EXPECT_NEAR(left.at(2).ShZT, 0, 1e-6);
  const List<Node> right = contourNodes({{{0, 0}, -kQuarter}, {{2, 2}, 0}});
  EXPECT_NEAR(right.at(2).ShYT, 0, 1e-6);
  EXPECT_NEAR(right.at(2).ShZT, 2, 1e-6);
}

TEST(ContourNodes, NoMoreNodesThanABulkheadNumbers) {
  for (const int points : {kMostContourNodes, kMostContourNodes + 1}) {
    ContourPath path;
    for (int i = 0; i < points; ++i) path.push_back({{i * 0.01, 0}, 0});
    EXPECT_EQ(contourNodes(path).count(), points > kMostContourNodes ? 0 : points) << points;
  }
}

DxfPiece line(PlanePoint from, PlanePoint to, const char* layer = "0") {
  return {layer, from, to, 0};
}

struct ChainCase {
  const char* name;
  DxfEntities entities;
  std::string layer;
  int candidates;
  std::size_t points;  // of the chosen chain, its last point included
  bool closed;
};

TEST(ChooseContourChain, JoinsLoosePiecesEitherWayAndTakesTheLongest) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<ChainCase> cases = {
      {"lines out of order, reversed, 0.4 mm apart",
       {0, {}, {line({2, 2}, {2, 0.0004}), line({0, 0}, {2, 0}), line({0, 2}, {2, 2})}},
       "",
       1,
       4,
       false},
      {"a closed square of lines and an arc",
       {0,
        {},
        {line({0, 0}, {1, 0}),
         {"0", {1, 0}, {2, 1}, kQuarter},
         line({0, 1}, {2, 1}),
         line({0, 1}, {0, 0})}},
       "",
       1,
       5,
       true},
      {"a gap of 2 mm makes two chains, the longer taken",
       {0, {}, {line({0, 0}, {1, 0}), line({1.002, 0}, {5, 0})}},
       "",
       2,
       2,
       false},
      {"a polyline and loose lines: the longer",
       {0,
        {{"0", {{{0, 0}, 0}, {{1, 0}, 0}}, false}},
        {line({0, 5}, {9, 5}), line({9, 5}, {9, 9})}},
       "",
       2,
       3,
       false},
      {"the layer asked for only",
       {0,
        {{"HULL", {{{0, 0}, 0}, {{20, 0}, 0}}, false}},
        {line({0, 1}, {1, 1}, "C"), line({1, 1}, {1, 2}, "C")}},
       "C",
       1,
       3,
       false},
      {"a closed polyline gets its first point again",
       {0, {{"0", {{{0, 0}, 0}, {{1, 0}, 0}, {{1, 1}, 0}}, true}}, {}},
       "",
       1,
       4,
       true},
      {"points that are no number, and repeated vertices, are left out",
       {0,
        {{"0", {{{nan, 0}, 0}, {{1, 0}, 0}}, false},
         {"0", {{{0, 0}, 0}, {{0, 0}, 0}, {{3, 0}, 0}}, false}},
        {line({0, 0}, {0, 1e9})}},
       "",
       1,
       2,
       false},
  };
  for (const ChainCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ChainChoice choice = chooseContourChain(c.entities, c.layer);
    EXPECT_TRUE(choice.missing.empty()) << choice.missing;
    EXPECT_EQ(choice.candidates, c.candidates);
    EXPECT_EQ(choice.chain.path.size(), c.points);
    EXPECT_EQ(choice.chain.closed, c.closed);
    // The chain runs piece to piece: each point a different one from the last.
    for (std::size_t i = 1; i < choice.chain.path.size(); ++i) {
      EXPECT_FALSE(isSamePoint(choice.chain.path[i - 1].point, choice.chain.path[i].point,
                               kGeometryTolerance));
    }
  }
}

TEST(ChooseContourChain, ArcPiecesTurnedRoundKeepTheirCurve) {
  // An arc drawn the other way from the line that leads into it.
  const DxfEntities entities{
      0, {}, {line({0, 0}, {1, 0}), {"0", {2, 1}, {1, 0}, -kQuarter}, line({2, 1}, {2, 3})}};
  const ChainChoice choice = chooseContourChain(entities, "");
  ASSERT_EQ(choice.chain.path.size(), 4U);
  const ContourPath alongTheLine = {{{0, 0}, 0}, {{1, 0}, kQuarter}, {{2, 1}, 0}, {{2, 3}, 0}};
  const ContourPath& path = choice.chain.path;
  const bool reversed = isSamePoint(path.front().point, {2, 3}, kGeometryTolerance);
  expectSameCurve(alongTheLine, contourNodes(path));
  EXPECT_NEAR(choice.chain.length, 1 + std::numbers::pi / 2 + 2, 1e-9) << reversed;
}

TEST(ChooseContourChain, NoChainSaysWhatWasMissing) {
  const struct {
    DxfEntities entities;
    std::string layer;
    std::string missing;
  } cases[] = {
      {{}, "", "no polyline, line or arc to make a contour of"},
      {{0, {}, {line({1, 1}, {1, 1.0005})}}, "", "of two distinct points"},
      {{0, {}, {line({0, 0}, {1, 1}, "A")}}, "B", "on layer \"B\""},
  };
  for (const auto& c : cases) {
    const ChainChoice choice = chooseContourChain(c.entities, c.layer);
    EXPECT_TRUE(choice.chain.path.empty());
    EXPECT_EQ(choice.candidates, 0);
    EXPECT_NE(choice.missing.find(c.missing), std::string::npos) << choice.missing;
  }
}

TEST(MetresPerUnit, KnownUnitsConvertOthersAreNamed) {
  const struct {
    int code;
    double metres;  // 0: refused
    const char* refusal;
  } cases[] = {{0, 1, ""},           {6, 1, ""},
               {4, 0.001, ""},       {5, 0.01, ""},
               {14, 0.1, ""},        {1, 0.0254, ""},
               {2, 0.3048, ""},      {3, 0, "miles"},
               {7, 0, "kilometres"}, {99, 0, "units code 99"}};
  for (const auto& c : cases) {
    std::string refusal;
    const std::optional<double> metres = metresPerUnit(c.code, refusal);
    EXPECT_EQ(metres.value_or(0), c.metres) << c.code;
    EXPECT_EQ(refusal, c.refusal) << c.code;
  }
}

}  // namespace
}  // namespace korain::testing
