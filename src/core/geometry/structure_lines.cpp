// Gathering, as straight pieces, the lines of a bulkhead that a label must not cover.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/structure_lines.h"

#include <cmath>

#include "geometry/contour_path.h"

namespace korain {
namespace {

bool isFinite(PlanePoint p) { return std::isfinite(p.y) && std::isfinite(p.z); }

struct Lines {
  std::vector<PlaneSegment>& out;

  void add(PlanePoint from, PlanePoint to) const {
    if (isFinite(from) && isFinite(to)) out.push_back({from, to});
  }
  void add(const PlaneSegment& segment) const { add(segment.from, segment.to); }
  void add(const BracketOutline& outline) const {
    add(outline.along, outline.foot);
    add(outline.foot, outline.tip);
  }
};

void addStiffeners(const Lines& lines, const Bulkhead& bulkhead) {
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    for (int s = 1; s <= stiffener.Spans.count(); ++s) {
      PlaneSegment segment;
      if (secondarySegment(stiffener, bulkhead.stfHV, s, segment)) lines.add(segment);
    }
    for (const BracketEnd end : {BracketEnd::Start, BracketEnd::End}) {
      BracketOutline outline;
      const Bracket& bracket = stiffener.Brackets.at(end == BracketEnd::Start ? 1 : 2);
      if (bracketOutline(bracket, stiffener, bulkhead.stfHV, end, outline)) lines.add(outline);
    }
    for (const SpanBracket& bracket : spanBrackets(stiffener, bulkhead.stfHV)) {
      lines.add(bracket.outline);
    }
  }
}

void addStools(const Lines& lines, const Bulkhead& bulkhead) {
  if (bulkhead.Stool1Enabled) {
    lines.add({bulkhead.Stool1End1, bulkhead.Stool1Z}, {bulkhead.Stool1End2, bulkhead.Stool1Z});
  }
  if (bulkhead.Stool2Enabled) {
    lines.add({bulkhead.Stool2End1, bulkhead.Stool2Z}, {bulkhead.Stool2End2, bulkhead.Stool2Z});
  }
}

}  // namespace

std::vector<PlaneSegment> structureLines(const Bulkhead& bulkhead, const ShownParts& shown,
                                         double arcDeviation) {
  std::vector<PlaneSegment> result;
  const Lines lines{result};
  if (shown.corrugation) {
    for (const CorrugationLine& line : bulkhead.CorrugationLines) {
      if (!line.Extremities.isDimensioned()) continue;
      lines.add(lineSegment(line.Position, bulkhead.stfHV, line.Extremities.first(),
                            line.Extremities.last()));
    }
  }
  if (shown.stiffeners) addStiffeners(lines, bulkhead);
  if (shown.members) {
    for (const PrimaryMember& member : bulkhead.PrimaryMembers) {
      if (member.Extremities.isDimensioned()) lines.add(primarySegment(member));
    }
  }
  if (shown.stools) addStools(lines, bulkhead);
  const std::vector<PlanePoint> contour = flattenPath(contourPath(bulkhead.Nodes), arcDeviation);
  for (std::size_t i = 1; i < contour.size(); ++i) lines.add(contour[i - 1], contour[i]);
  return result;
}

}  // namespace korain
