// Setting, moving, spacing, adding, removing and selecting ordinary stiffeners.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/stiffener_edits.h"

#include <algorithm>
#include <cmath>

#include "geometry/plane.h"
#include "geometry/stiffener_geometry.h"
#include "model/arrangement_queries.h"
#include "model/codes.h"

namespace korain {
namespace {

// Overlap of [a1, a2] and [b1, b2], in any order of their ends.
bool overlaps(double a1, double a2, double b1, double b2) {
  return std::max(std::min(a1, a2), std::min(b1, b2)) <=
         std::min(std::max(a1, a2), std::max(b1, b2));
}

}  // namespace

StiffenerTab stiffenerTabOf(Long subView) {
  return subView >= 0 && subView <= static_cast<Long>(StiffenerTab::SpanBracket)
             ? static_cast<StiffenerTab>(subView)
             : StiffenerTab::Scantling;
}

int bracketOfTab(StiffenerTab tab) { return tab == StiffenerTab::UpperBracket ? 2 : 1; }

int spanInInterval(const OrdinaryStiffener& stiffener, int interval) {
  if (!stiffener.IntervalSpans.inBounds(interval)) return 0;
  const int span = stiffener.IntervalSpans.at(interval);
  return stiffener.Spans.inBounds(span) ? span : 0;
}

int steppedInterval(const Bulkhead& bulkhead, int step) {
  const int interval = bulkhead.CurSpan + step;
  return interval >= 1 && interval <= std::max(1, bulkhead.Supports.count()) ? interval
                                                                             : bulkhead.CurSpan;
}

int selectedStiffenerCount(const Bulkhead& bulkhead) {
  return static_cast<int>(std::ranges::count_if(
      bulkhead.Stiffeners, [](const OrdinaryStiffener& s) { return s.Selected; }));
}

void moveSelectedStiffeners(Bulkhead& bulkhead, Single position) {
  const auto first = std::ranges::find_if(bulkhead.Stiffeners,
                                          [](const OrdinaryStiffener& s) { return s.Selected; });
  if (first == bulkhead.Stiffeners.end()) return;
  const Single shift = position - first->Position;
  for (OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    if (stiffener.Selected) stiffener.Position += shift;
  }
  sortStiffeners(bulkhead);
}

void spaceSelectedStiffeners(Bulkhead& bulkhead, Single spacing) {
  const OrdinaryStiffener* previous = nullptr;
  for (OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    if (!stiffener.Selected) continue;
    if (previous != nullptr) stiffener.Position = previous->Position + spacing;
    previous = &stiffener;
  }
  sortStiffeners(bulkhead);
}

void addStiffener(Bulkhead& bulkhead) {
  List<OrdinaryStiffener>& stiffeners = bulkhead.Stiffeners;
  const int n = stiffeners.count() + 1;
  const Single start = bulkhead.stfHV == kVertical ? bulkhead.YMin : bulkhead.ZLow;
  const Single position = n == 1 ? start : stiffeners.at(n - 1).Position + 1.0F;
  for (OrdinaryStiffener& stiffener : stiffeners) stiffener.Selected = false;
  appendNewStiffener(bulkhead, position, 1);
  sortStiffeners(bulkhead);
}

Single proposedSpacing(const Bulkhead& bulkhead) {
  const List<OrdinaryStiffener>& stiffeners = bulkhead.Stiffeners;
  constexpr Single kDefaultSpacing = 0.8F;
  if (stiffeners.count() < 2) return kDefaultSpacing;
  const Single spacing =
      std::abs(stiffeners.last().Position - stiffeners.at(stiffeners.count() - 1).Position);
  return spacing < kGeometryTolerance ? kDefaultSpacing : spacing;
}

Single proposedStart(const Bulkhead& bulkhead, Single spacing) {
  const Single base = bulkhead.Stiffeners.count() > 0 ? bulkhead.Stiffeners.last().Position
                      : bulkhead.stfHV == kVertical   ? bulkhead.YMin
                                                      : bulkhead.ZLow;
  return base + spacing;
}

int stiffenersThatFit(const Bulkhead& bulkhead, Single start, Single spacing) {
  if (std::abs(spacing) < kGeometryTolerance) return 0;
  const Single end = bulkhead.stfHV == kVertical ? bulkhead.YMax : bulkhead.ZHigh;
  const double fit = std::trunc((static_cast<double>(end) - start) / spacing);
  return fit > 0 ? static_cast<int>(std::min(fit, double{kMaxWizardStiffeners})) : 0;
}

int stiffenersToTheEnd(const Bulkhead& bulkhead, Single start, Single spacing) {
  if (std::abs(spacing) < kGeometryTolerance) return 0;
  const bool vertical = bulkhead.stfHV == kVertical;
  const Single end = spacing > 0 ? (vertical ? bulkhead.YMax : bulkhead.ZHigh)
                                 : (vertical ? bulkhead.YMin : bulkhead.ZLow);
  // The room in spacings, with half a spacing kept clear of the end. A last stiffener exactly half
  // a spacing clear counts, though the positions typed are not exact in the stored floats.
  const double room = (static_cast<double>(end) - start) / spacing - 0.5 +
                      kGeometryTolerance / std::abs(static_cast<double>(spacing));
  if (room < 0) return 0;
  return static_cast<int>(std::min(std::floor(room) + 1, double{kMaxWizardStiffeners}));
}

RowPlacement placeRow(const Bulkhead& bulkhead, const StiffenerRow& row) {
  std::vector<Single> positions;
  Single position = row.start;
  for (int k = 0; k < row.number; ++k, position += row.spacing) positions.push_back(position);
  // A stiffener on a member of its own direction would coincide with it.
  for (const PrimaryMember& member : bulkhead.PrimaryMembers) {
    if (member.HV != bulkhead.stfHV) continue;
    for (Single& p : positions) {
      if (std::abs(member.Position - p) < kGeometryTolerance) p += row.spacing;
    }
  }
  RowPlacement placement;
  for (const Single p : positions) {
    const bool taken = std::ranges::any_of(bulkhead.Stiffeners, [p](const OrdinaryStiffener& s) {
      return std::abs(s.Position - p) < kTakenPosition;
    });
    if (taken) {
      ++placement.taken;
    } else {
      placement.positions.push_back(p);
    }
  }
  return placement;
}

void addStiffenerRow(Bulkhead& bulkhead, const StiffenerRow& row, Integer material) {
  const RowPlacement placement = placeRow(bulkhead, row);
  for (OrdinaryStiffener& stiffener : bulkhead.Stiffeners) stiffener.Selected = false;
  for (const Single position : placement.positions)
    appendNewStiffener(bulkhead, position, material);
  sortStiffeners(bulkhead);
}

void appendNewStiffener(Bulkhead& bulkhead, Single position, Integer material) {
  OrdinaryStiffener& added = bulkhead.Stiffeners.append();
  added.Selected = true;
  added.Brackets.at(1).Fixed = true;
  added.Brackets.at(2).Fixed = true;
  added.iMat = material;
  added.Position = position;
}

bool canRemoveStiffeners(const Bulkhead& bulkhead) { return selectedStiffenerCount(bulkhead) > 0; }

void removeSelectedStiffeners(Bulkhead& bulkhead) {
  for (int k = bulkhead.Stiffeners.count(); k >= 1; --k) {
    if (bulkhead.Stiffeners.at(k).Selected) bulkhead.Stiffeners.remove(k);
  }
}

std::vector<bool> stiffenersInRectangle(const Bulkhead& bulkhead, PlanePoint corner1,
                                        PlanePoint corner2) {
  const bool vertical = bulkhead.stfHV == kVertical;
  // Across the stiffeners and along them, as the rectangle spans them.
  const double across1 = vertical ? corner1.y : corner1.z;
  const double across2 = vertical ? corner2.y : corner2.z;
  const double along1 = vertical ? corner1.z : corner1.y;
  const double along2 = vertical ? corner2.z : corner2.y;
  std::vector<bool> inside;
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    const List<Single>& ends = stiffener.Extremities;
    inside.push_back(ends.count() >= 2 &&
                     overlaps(stiffener.Position, stiffener.Position, across1, across2) &&
                     overlaps(ends.first(), ends.last(), along1, along2));
  }
  return inside;
}

}  // namespace korain
