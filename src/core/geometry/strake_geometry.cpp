// Settling the limits of bands and strakes, and cutting each strake's outline from the contour.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/strake_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "geometry/primary_members.h"

namespace korain {
namespace {

double valueOf(PlanePoint point, ClipCoordinate coordinate) {
  return coordinate == ClipCoordinate::Y ? point.y : point.z;
}

void addNew(std::vector<PlanePoint>& points, PlanePoint point) {
  const bool known = std::any_of(points.begin(), points.end(), [&](PlanePoint taken) {
    return isSamePoint(taken, point, kGeometryTolerance);
  });
  if (!known) points.push_back(point);
}

void clipEdge(PlanePoint from, PlanePoint to, ClipCoordinate coordinate, double low, double high,
              std::vector<PlanePoint>& clipped) {
  const double start = valueOf(from, coordinate);
  const double end = valueOf(to, coordinate);
  if (isInRange(start, low, high, kGeometryTolerance)) addNew(clipped, from);
  const CutMode mode = coordinate == ClipCoordinate::Y ? CutMode::GivenY : CutMode::GivenZ;
  for (const double bound : start <= end ? std::array{low, high} : std::array{high, low}) {
    if (!isInRange(bound, start, end, kGeometryTolerance)) continue;
    PlanePoint at = coordinate == ClipCoordinate::Y ? PlanePoint{bound, 0} : PlanePoint{0, bound};
    if (segmentCut(from, to, mode, at, kGeometryTolerance)) addNew(clipped, at);
  }
  if (isInRange(end, low, high, kGeometryTolerance)) addNew(clipped, to);
}

// Settles the upper limits of the bands or of the strakes of a band, last to
// first: the last one reaches `top`, each stays within [lower, upper] and never
// above the one after it. Settling from the end keeps a neighbour that is out
// of bounds or out of order from pulling a limit outside the bounds, so that
// computing again changes nothing.
template <typename Item, typename LimitOf>
void settleLimits(List<Item>& items, LimitOf limitOf, Single top, Single lower, Single upper) {
  for (int i = items.count(); i >= 1; --i) {
    Single& limit = limitOf(items.at(i));
    if (i == items.count()) limit = top;
    clampToBounds(limit, lower, upper);
    if (i < items.count() && limit > limitOf(items.at(i + 1))) limit = limitOf(items.at(i + 1));
  }
}

bool hasNoSize(double from, double to) { return std::abs(to - from) < kGeometryTolerance; }

void computeBandStrakes(Bulkhead& bulkhead, int b, const std::vector<PlanePoint>& cut,
                        Integer defaultMaterial, int& runningNumber, BulkheadReport& report) {
  StrakeBand& band = bulkhead.StrakeBands.at(b);
  if (!band.Strakes.isDimensioned()) band.Strakes.append().iMat = 1;
  settleLimits(
      band.Strakes, [](Strake& strake) -> Single& { return strake.Y; }, bulkhead.YMax,
      bulkhead.YMin, bulkhead.YMax);
  std::vector<PlanePoint> outline;
  for (int t = 1; t <= band.Strakes.count(); ++t) {
    Strake& strake = band.Strakes.at(t);
    const int r = ++runningNumber;
    if (strake.iMat == 0) strake.iMat = defaultMaterial;
    const Single from = t == 1 ? bulkhead.YMin : band.Strakes.at(t - 1).Y;
    // Strakes are numbered through all bands in the texts; the subject says where they lie.
    const MessageSubject subject{PanelCode::StrakeBands, b, t};
    if (hasNoSize(from, strake.Y)) {
      report.warn(subject, "Strake ¤ has no size in Bulkhead '¤'", {r, bulkhead.Name});
    }
    outline.clear();
    clipPolygon(cut, ClipCoordinate::Y, from, strake.Y, outline);
    strake.Outline.redim(static_cast<int>(outline.size()));
    for (int p = 1; p <= strake.Outline.count(); ++p) {
      const PlanePoint point = outline[static_cast<std::size_t>(p - 1)];
      strake.Outline.at(p) = {static_cast<Single>(point.y), static_cast<Single>(point.z)};
    }
    strake.StrakeNumber = static_cast<Integer>(r);
    if (outline.empty()) report.error(subject, "Strake ¤ out of Bulkhead '¤'", {r, bulkhead.Name});
  }
}

}  // namespace

void clipPolygon(const std::vector<PlanePoint>& polygon, ClipCoordinate coordinate, double low,
                 double high, std::vector<PlanePoint>& clipped) {
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    clipEdge(polygon[i], polygon[(i + 1) % polygon.size()], coordinate, low, high, clipped);
  }
}

void computeStrakes(Bulkhead& bulkhead, const std::vector<PlanePoint>& polygon,
                    Integer defaultMaterial, BulkheadReport& report) {
  if (!bulkhead.StrakeBands.isDimensioned()) bulkhead.StrakeBands.append();
  int runningNumber = 0;
  settleLimits(
      bulkhead.StrakeBands, [](StrakeBand& band) -> Single& { return band.Z; }, bulkhead.ZMax,
      bulkhead.ZLow, bulkhead.ZHigh);
  std::vector<PlanePoint> cut;
  for (int b = 1; b <= bulkhead.StrakeBands.count(); ++b) {
    const Single top = bulkhead.StrakeBands.at(b).Z;
    const Single from = b == 1 ? bulkhead.ZLow : bulkhead.StrakeBands.at(b - 1).Z;
    if (hasNoSize(from, top)) {
      report.warn({PanelCode::StrakeBands, b}, "Strake band ¤ has no size in Bulkhead '¤'",
                  {b, bulkhead.Name});
    }
    cut.clear();
    clipPolygon(polygon, ClipCoordinate::Z, from, top, cut);
    computeBandStrakes(bulkhead, b, cut, defaultMaterial, runningNumber, report);
  }
}

}  // namespace korain
