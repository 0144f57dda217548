// Placing the primary members within the plane part, and the support intervals they make.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/primary_members.h"

#include <cmath>

#include "geometry/member_lines.h"
#include "model/codes.h"

namespace korain {

bool clampToBounds(Single& value, Single lower, Single upper) {
  const Single original = value;
  if (!std::isfinite(value)) value = lower;
  // Both tests in turn: with bounds the wrong way round (a lower stool above
  // the upper one) every value ends on the lower bound, so that computing
  // again leaves it there.
  if (value > upper) value = upper;
  if (value < lower) value = lower;
  return !(value == original);
}

void computePrimaryMembers(Bulkhead& bulkhead, const Contour& contour, BulkheadReport& report) {
  for (int j = 1; j <= bulkhead.PrimaryMembers.count(); ++j) {
    PrimaryMember& member = bulkhead.PrimaryMembers.at(j);
    const bool horizontal = member.HV == kHorizontal;
    member.Placed = member.Position;
    if (clampToBounds(member.Placed, horizontal ? bulkhead.ZLow : bulkhead.YMin,
                      horizontal ? bulkhead.ZHigh : bulkhead.YMax)) {
      report.warn({PanelCode::PrimaryMembers, j},
                  "Primary supporting member ¤ in '¤' at ¤ ¤ m lies outside the bulkhead (¤ to ¤ "
                  "m); it is drawn at ¤ m",
                  {j, bulkhead.Name, horizontal ? "z" : "y", member.Position,
                   horizontal ? bulkhead.ZLow : bulkhead.YMin,
                   horizontal ? bulkhead.ZHigh : bulkhead.YMax, member.Placed});
    }
    const LineEnds ends = lineEnds(contour, bulkhead, member.Placed, member.HV);
    member.Extremities.redim(2);
    member.Extremities.at(1) = static_cast<Single>(ends.first);
    member.Extremities.at(2) = static_cast<Single>(ends.second);
  }
  for (int j = 1; j <= bulkhead.PrimaryMembers.count(); ++j) {
    PrimaryMember& member = bulkhead.PrimaryMembers.at(j);
    crossingExtremities(bulkhead, member.Placed, member.HV,
                        {member.Extremities.first(), member.Extremities.last()},
                        member.Extremities);
    if (std::abs(member.Extremities.last() - member.Extremities.first()) < kGeometryTolerance) {
      report.warn({PanelCode::PrimaryMembers, j}, "Primary supporting member ¤ in '¤' has no size",
                  {j, bulkhead.Name});
    }
  }
}

void computeSupports(Bulkhead& bulkhead) {
  const bool vertical = bulkhead.stfHV == kVertical;
  bulkhead.Supports.redim(1);
  bulkhead.Supports.at(1) = {.Start = vertical ? bulkhead.ZLow : bulkhead.YMin,
                             .StartMember = 0,
                             .End = vertical ? bulkhead.ZHigh : bulkhead.YMax,
                             .EndMember = 0};
  for (int j = 1; j <= bulkhead.PrimaryMembers.count(); ++j) {
    const PrimaryMember& member = bulkhead.PrimaryMembers.at(j);
    if (member.HV == bulkhead.stfHV) continue;
    const SupportInterval last = bulkhead.Supports.last();
    bulkhead.Supports.insertBlank(bulkhead.Supports.count());
    bulkhead.Supports.at(bulkhead.Supports.count() - 1) = {.Start = last.Start,
                                                           .StartMember = last.StartMember,
                                                           .End = member.Placed,
                                                           .EndMember = static_cast<Integer>(j)};
    SupportInterval& remaining = bulkhead.Supports.last();
    remaining.Start = member.Placed;
    remaining.StartMember = static_cast<Integer>(j);
  }
}

}  // namespace korain
