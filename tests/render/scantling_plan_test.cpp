// The example's scantling plan on A4 at 1:150 and A3 at 1:100: no label over
// another or over a line of the structure, neighbouring stiffeners of one
// scantling labelled once with their count, every span bracket drawn.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <map>
#include <set>

#include "checks/scantling_texts.h"
#include "drawing_sheet.h"
#include "example_scene.h"
#include "geometry/contour_path.h"
#include "geometry/member_lines.h"
#include "world_drawing.h"
#include "world_transform.h"

namespace korain::testing {
namespace {

constexpr Long kPlan = kEverything | display_bit::kScantlings;
constexpr double kDpi = 100;

struct Paper {
  const char* name;
  QSize size;  // landscape at 100 dpi
  double scaleRatio;
};
const Paper kPapers[] = {{"A4 1:150", {1169, 827}, 150}, {"A3 1:100", {1654, 1169}, 100}};

struct Painted {
  PlacedLabels labels;
  QTransform toDevice;
};

Painted paintOn(const ExampleScene& example, const Paper& paper) {
  QImage image(paper.size, QImage::Format_RGB32);
  QPainter painter(&image);
  const SheetRequest request{.scaleRatio = paper.scaleRatio, .labels = LabelPolicy::KeepAll};
  const QRectF sheet(image.rect());
  const SheetLayout layout = layOutSheet(sheet, kDpi, request, example.scene());
  return {paintDrawingSheet(painter, sheet, kDpi, request, example.scene()),
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
  if (bulkhead.Stool1Enabled) {
    lines.push_back(
        {{bulkhead.Stool1End1, bulkhead.Stool1Z}, {bulkhead.Stool1End2, bulkhead.Stool1Z}});
  }
  if (bulkhead.Stool2Enabled) {
    lines.push_back(
        {{bulkhead.Stool2End1, bulkhead.Stool2Z}, {bulkhead.Stool2End2, bulkhead.Stool2Z}});
  }
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    for (int s = 1; s + 1 <= stiffener.Extremities.count(); ++s) {
      lines.push_back(lineSegment(stiffener.Position, bulkhead.stfHV, stiffener.Extremities.at(s),
                                  stiffener.Extremities.at(s + 1)));
    }
    for (const BracketEnd end : {BracketEnd::Start, BracketEnd::End}) {
      BracketOutline outline;
      if (bracketOutline(stiffener.Brackets.at(end == BracketEnd::Start ? 1 : 2), stiffener,
                         bulkhead.stfHV, end, outline)) {
        lines.push_back({outline.along, outline.foot});
        lines.push_back({outline.foot, outline.tip});
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

// The texts that neighbours of one scantling share, counted: a run of
// stiffeners by position with the same scantling on their plain spans, and a
// run of spans of one support interval with the same scantling of their own.
std::multiset<std::string> groupedTexts(const Bulkhead& bulkhead, const ShipData& ship) {
  std::vector<const OrdinaryStiffener*> byPosition;
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) byPosition.push_back(&stiffener);
  std::stable_sort(byPosition.begin(), byPosition.end(),
                   [](auto* a, auto* b) { return a->Position < b->Position; });
  std::multiset<std::string> texts;
  // key -> (text, count of the run going on, position of its last member)
  std::map<std::string, std::pair<std::string, std::pair<int, std::size_t>>> runs;
  const auto close = [&](const std::pair<std::string, std::pair<int, std::size_t>>& run) {
    const int count = run.second.first;
    texts.insert(count > 1 ? std::to_string(count) + " × " + run.first : run.first);
  };
  const auto meet = [&](const std::string& key, const std::string& text, std::size_t k) {
    auto found = runs.find(key);
    if (found != runs.end() && found->second.second.second + 1 == k) {
      found->second.second = {found->second.second.first + 1, k};
      return;
    }
    if (found != runs.end()) close(found->second);
    runs[key] = {text, {1, k}};
  };
  for (std::size_t k = 0; k < byPosition.size(); ++k) {
    const OrdinaryStiffener& stiffener = *byPosition[k];
    bool plain = false;
    for (int s = 1; s <= stiffener.Spans.count() && s + 1 <= stiffener.Extremities.count(); ++s) {
      const StiffenerSpan& span = stiffener.Spans.at(s);
      if (!span.HasScantling) {
        plain = true;
        continue;
      }
      const std::string text = scantlingLabel(span.Scant, ship);
      meet("span " + std::to_string(span.IntervalNumber) + text, text, k);
    }
    if (plain) {
      const std::string text = scantlingLabel(stiffener.Scant, ship);
      meet("stiffener " + text, text, k);
    }
  }
  for (const auto& [key, run] : runs) close(run);
  return texts;
}

TEST(ScantlingPlan, NeighboursOfOneScantlingShareOneCountedLabel) {
  for (const Integer block : {Integer{1}, Integer{2}}) {
    const ExampleScene example(block, kPlan);
    const Bulkhead& bulkhead = example.arrangement.Bulkheads.at(1);
    const std::multiset<std::string> expected = groupedTexts(bulkhead, example.ship);
    const DrawingStyle style(example.labels, 1);
    std::multiset<std::string> actual;
    for (const DrawingLabel& label :
         bulkheadLabels(bulkhead, Emphasis::Current, {example.ship, example.options, style})) {
      if (label.kind == LabelRank::Scantling) actual.insert(label.text.toStdString());
    }
    EXPECT_EQ(actual, expected) << "arrangement " << block;
    if (block == 1) {
      EXPECT_EQ(expected.count("18 × A 300.0×13.0 90.0×17.0"), 1U);
      EXPECT_EQ(expected.count("10 × A 350.0×12.0 100.0×17.0"), 1U);
    }
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
  // Their labels, grouped like the scantlings', stand with the bracket texts.
  const DrawingStyle style(example.labels, 1);
  int counted = 0;
  for (const DrawingLabel& label :
       bulkheadLabels(bulkhead, Emphasis::Current, {example.ship, example.options, style})) {
    if (label.kind != LabelRank::Bracket || !label.text.endsWith("Bracket 0.500")) continue;
    const QString count = label.text.section(' ', 0, 0);
    counted += label.text.contains("×") ? count.toInt() : 1;
  }
  EXPECT_EQ(counted, atMembers);
}

}  // namespace
}  // namespace korain::testing
