// Laying out the knuckle lines of a corrugated bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/corrugation_geometry.h"

#include <cmath>

#include "geometry/member_lines.h"
#include "model/codes.h"

namespace korain {
namespace {

// The positions of the lines; false when the layout had to stop at the limit
// of lines.
bool layOutLines(const Bulkhead& bulkhead, List<CorrugationLine>& lines) {
  const Corrugation& corrugation = bulkhead.Corr;
  const bool horizontal = bulkhead.stfHV == kHorizontal;
  const double limit = horizontal ? bulkhead.ZHigh : bulkhead.YMax;
  double position =
      (horizontal ? bulkhead.ZLow : bulkhead.YMin) + static_cast<double>(corrugation.Start);
  const double steps[2] = {static_cast<double>(corrugation.S1) - corrugation.A, corrugation.A};
  lines.redim(0);
  lines.append().Position = static_cast<Single>(position);
  for (int i = 0;; i = 1 - i) {
    if (!(steps[i] >= kGeometryTolerance)) return true;
    position += steps[i];
    if (!(position < limit)) return true;
    if (lines.count() == kMaxCorrugationLines) return false;
    lines.append().Position = static_cast<Single>(position);
  }
}

}  // namespace

void computeCorrugation(Bulkhead& bulkhead, const Contour& contour, BulkheadReport& report) {
  const Corrugation& corrugation = bulkhead.Corr;
  bulkhead.CorrugationLines.redim(0);
  if (corrugation.S1 == 0 && corrugation.A == 0) return;
  const bool spacingUsable = corrugation.S1 - corrugation.A >= kGeometryTolerance;
  const bool laidOut = layOutLines(bulkhead, bulkhead.CorrugationLines);
  if (!spacingUsable || !laidOut) {
    report.error({PanelCode::Corrugation}, "Bad data for corrugation in ¤", {bulkhead.Name});
  }
  for (int n = 1; n <= bulkhead.CorrugationLines.count(); ++n) {
    CorrugationLine& line = bulkhead.CorrugationLines.at(n);
    const LineEnds ends = lineEnds(contour, bulkhead, line.Position, bulkhead.stfHV);
    crossingExtremities(bulkhead, line.Position, bulkhead.stfHV, ends, line.Extremities);
    if (std::abs(line.Extremities.last() - line.Extremities.first()) < kGeometryTolerance) {
      report.warn({PanelCode::Corrugation, n}, "Corrugation ¤ in '¤' has no size",
                  {n, bulkhead.Name});
    }
  }
}

}  // namespace korain
