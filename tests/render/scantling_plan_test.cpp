// The example's scantling plan on A4 at 1:150, A3 at 1:100 and on screens: no
// label over another, a line of the structure or a dimension text, neighbouring
// stiffeners of one scantling labelled once with their count, every span
// bracket drawn.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <map>
#include <set>

#include "checks/scantling_texts.h"
#include "dimension_painter.h"
#include "drawing_sheet.h"
#include "example_scene.h"
#include "geometry/contour_path.h"
#include "geometry/member_lines.h"
#include "world_drawing.h"
#include "world_transform.h"

namespace korain::testing {
namespace {

// The plan as issued: with its dimension chains.
constexpr Long kPlan = kEverything | display_bit::kScantlings | display_bit::kDimensions;

struct Paper {
  const char* name;
  QSize size;
  double dpi;
  double scaleRatio;  // 0: the drawing fills the sheet
  LabelPolicy policy;
  bool roomy;  // every strake's text finds its place
};
// A4 and A3 landscape at 100 dpi, a screen, and a picture small enough for the
// labels to crowd round the bulkhead (where the axis values under it would
// take the dimension texts' places were these not kept free).
const Paper kPapers[] = {{"A4 1:150", {1169, 827}, 100, 150, LabelPolicy::KeepAll, true},
                         {"A3 1:100", {1654, 1169}, 100, 100, LabelPolicy::KeepAll, true},
                         {"screen", {1600, 1000}, 96, 0, LabelPolicy::GiveWay, true},
                         {"small", {900, 560}, 96, 0, LabelPolicy::KeepAll, false}};

struct Painted {
  PlacedLabels labels;
  QTransform toDevice;
};

Painted paintOn(const ExampleScene& example, const Paper& paper) {
  QImage image(paper.size, QImage::Format_RGB32);
  QPainter painter(&image);
  const SheetRequest request{.scaleRatio = paper.scaleRatio, .labels = paper.policy};
  const QRectF sheet(image.rect());
  const SheetLayout layout = layOutSheet(sheet, paper.dpi, request, example.scene());
  return {paintDrawingSheet(painter, sheet, paper.dpi, request, example.scene()),
          worldToDevice(layout.window, layout.drawing)};
}

// The bulkhead's lines as the model gives them: contour, members, stools,
// stiffener spans and brackets.
std::vector<PlaneSegment> linesOf(const Bulkhead& bulkhead) {
  std::vector<PlaneSegment> lines;
  const std::vector<PlanePoint> contour = flattenPath(contourPath(bulkhead.Nodes), 0.01);
  for (std::size_t i = 1; i < contour.size(); ++i) lines.push_back({contour[i - 1], contour[i]});
  for (const PrimaryMember& member : bulkhead.PrimaryMembers) {
    lines.push_back(primarySegment(member));
  }
  const Bulkhead& b = bulkhead;
  if (b.Stool1Enabled) lines.push_back({{b.Stool1End1, b.Stool1Z}, {b.Stool1End2, b.Stool1Z}});
  if (b.Stool2Enabled) lines.push_back({{b.Stool2End1, b.Stool2Z}, {b.Stool2End2, b.Stool2Z}});
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    for (int s = 1; s < stiffener.Extremities.count(); ++s) {
      lines.push_back(lineSegment(stiffener.Position, bulkhead.stfHV, stiffener.Extremities.at(s),
                                  stiffener.Extremities.at(s + 1)));
    }
    for (const BracketEnd end : {BracketEnd::Start, BracketEnd::End}) {
      BracketOutline o;
      if (bracketOutline(stiffener.Brackets.at(end == BracketEnd::Start ? 1 : 2), stiffener,
                         bulkhead.stfHV, end, o)) {
        lines.insert(lines.end(), {{o.along, o.foot}, {o.foot, o.tip}});
      }
    }
  }
  return lines;
}

// Whether some point of the segment, walked in half pixels, lies in the box.
bool touches(const QLineF& line, const QRectF& box) {
  const int steps = 1 + static_cast<int>(line.length() * 2);
  for (int k = 0; k <= steps; ++k) {
    if (box.contains(line.pointAt(static_cast<double>(k) / steps))) return true;
  }
  return false;
}

// No label covers another, a line or a dimension text; every strake's text is
// drawn, off the stringers.
TEST(ScantlingPlan, NoLabelCoversAnotherOrALineOfTheStructure) {
  for (const Integer block : {Integer{1}, Integer{2}}) {
    const ExampleScene example(block, kPlan);
    for (const Paper& paper : kPapers) {
      SCOPED_TRACE(::testing::Message() << "arrangement " << block << ", " << paper.name);
      const Painted painted = paintOn(example, paper);
      const PlacedLabels& placed = painted.labels;
      ASSERT_GT(placed.size(), 15U);
      for (std::size_t i = 0; i < placed.size(); ++i) {
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
          EXPECT_FALSE(placed[i].box.intersects(placed[j].box))
              << placed[i].text.toStdString() << " and " << placed[j].text.toStdString();
        }
      }
      const Bulkhead& current = example.arrangement.Bulkheads.at(1);
      int strakes = 0;
      for (const PlacedLabel& label : placed) {
        if (label.rank != LabelRank::Strake) continue;
        ++strakes;
        for (const PrimaryMember& member : current.PrimaryMembers) {
          const double y = painted.toDevice.map(QPointF(0, member.Placed)).y();
          EXPECT_FALSE(member.HV == 0 && label.box.top() < y && y < label.box.bottom())
              << label.text.toStdString() << " on the stringer at " << member.Placed;
        }
      }
      int strakesOfModel = 0;
      for (const StrakeBand& band : current.StrakeBands) strakesOfModel += band.Strakes.count();
      EXPECT_TRUE(paper.roomy ? strakes == strakesOfModel : strakes > 0) << strakes;
      // Nor does a group's mark run through a dimension's text.
      const DimensionFigure dimensions = layOutDimensions(
          example.scene(), painted.toDevice, DrawingStyle(example.labels, paper.dpi / 72.0));
      ASSERT_FALSE(dimensions.texts.empty());
      for (const DimensionText& text : dimensions.texts) {
        for (const PlacedLabel& label : placed) {
          EXPECT_FALSE(label.box.intersects(text.box))
              << label.text.toStdString() << " over " << text.text.toStdString();
          for (const QLineF& mark : label.marks) {
            EXPECT_FALSE(touches(mark, text.box))
                << label.text.toStdString() << " crosses " << text.text.toStdString();
          }
        }
      }
      for (const Bulkhead& bulkhead : example.arrangement.Bulkheads) {
        for (const PlaneSegment& segment : linesOf(bulkhead)) {
          const QLineF line(painted.toDevice.map(QPointF(segment.from.y, segment.from.z)),
                            painted.toDevice.map(QPointF(segment.to.y, segment.to.z)));
          for (const PlacedLabel& label : placed) {
            EXPECT_FALSE(touches(line, label.box))
                << label.text.toStdString() << " on the line " << segment.from.y << ","
                << segment.from.z << " to " << segment.to.y << "," << segment.to.z;
          }
        }
      }
    }
  }
}

// The texts that neighbours of one scantling share, counted: each stiffener,
// by position, has a key per text (its plain spans' scantling, each span's own
// with its support interval); a run of neighbours with a key is one text.
std::multiset<std::string> groupedTexts(const Bulkhead& bulkhead, const ShipData& ship) {
  std::vector<const OrdinaryStiffener*> byPosition;
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) byPosition.push_back(&stiffener);
  std::stable_sort(byPosition.begin(), byPosition.end(),
                   [](auto* a, auto* b) { return a->Position < b->Position; });
  std::vector<std::map<std::string, std::string>> keys;  // per stiffener: key -> text
  for (const OrdinaryStiffener* stiffener : byPosition) {
    std::map<std::string, std::string>& own = keys.emplace_back();
    for (int s = 1; s <= stiffener->Spans.count() && s < stiffener->Extremities.count(); ++s) {
      const StiffenerSpan& span = stiffener->Spans.at(s);
      const std::string text =
          scantlingLabel(span.HasScantling ? span.Scant : stiffener->Scant, ship);
      own[span.HasScantling ? std::to_string(span.IntervalNumber) + text : text] = text;
    }
  }
  std::multiset<std::string> texts;
  for (std::size_t k = 0; k < keys.size(); ++k) {
    for (const auto& [key, text] : keys[k]) {
      if (k > 0 && keys[k - 1].contains(key)) continue;  // counted with the run's first
      std::size_t run = 1;
      while (k + run < keys.size() && keys[k + run].contains(key)) ++run;
      texts.insert(run > 1 ? std::to_string(run) + " × " + text : text);
    }
  }
  return texts;
}

// The texts of the current bulkhead's labels of one kind.
std::multiset<std::string> labelTexts(const ExampleScene& example, LabelRank kind) {
  const DrawingStyle style(example.labels, 1);
  std::multiset<std::string> texts;
  for (const DrawingLabel& label :
       bulkheadLabels(example.arrangement.Bulkheads.at(1), Emphasis::Current,
                      {example.ship, example.options, style})) {
    if (label.kind == kind) texts.insert(label.text.toStdString());
  }
  return texts;
}

TEST(ScantlingPlan, NeighboursOfOneScantlingShareOneCountedLabel) {
  for (const Integer block : {Integer{1}, Integer{2}}) {
    const ExampleScene example(block, kPlan);
    const std::multiset<std::string> expected =
        groupedTexts(example.arrangement.Bulkheads.at(1), example.ship);
    EXPECT_EQ(labelTexts(example, LabelRank::Scantling), expected) << "arrangement " << block;
  }
}

// Brackets at both ends of the middle span of every stiffener of the plan.
TEST(ScantlingPlan, EverySpanBracketAtAMemberIsDrawnAndLabelled) {
  ExampleScene example(1, kPlan);
  Bulkhead& bulkhead = example.arrangement.Bulkheads.at(1);
  int atMembers = 0;
  int ends = 0;
  for (OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    for (int end = 1; end <= 2; ++end) {
      const Bracket& bracket = stiffener.Brackets.at(end);
      ends += bracket.Enabled && bracket.Length > 0 ? 1 : 0;
    }
    if (stiffener.Spans.count() < 3 || stiffener.Extremities.count() < 4) continue;
    stiffener.Spans.at(2).LowerBracketLength = 0.5F;
    stiffener.Spans.at(2).UpperBracketLength = 0.5F;
    atMembers += 2;
  }
  ASSERT_GT(atMembers, 0);
  const WorldDrawing drawing = worldDrawing(example.scene(), QSize(1654, 1169));
  const auto brackets =
      std::count_if(drawing.paths.begin(), drawing.paths.end(),
                    [](const WorldPath& p) { return p.layer == WorldLayer::Brackets; });
  EXPECT_EQ(brackets, ends + atMembers);
  // Their labels stand with the bracket texts: one per run of neighbours.
  EXPECT_EQ(labelTexts(example, LabelRank::Bracket)
                .count(std::to_string(atMembers / 2) + " × Bracket 0.500"),
            2U);
}

}  // namespace
}  // namespace korain::testing
