// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/attached_plate.h"

#include <algorithm>
#include <cmath>

#include "geometry/picking.h"
#include "model/codes.h"
#include "text/format_message.h"

namespace korain {
namespace {

// Coordinates across the stiffeners (their positions) and along them.
struct Axes {
  bool vertical = false;
  double across(PlanePoint p) const { return vertical ? p.y : p.z; }
  double along(PlanePoint p) const { return vertical ? p.z : p.y; }
};

// The nearest thing on one side of the stiffener: a neighbour, or else the
// contour's edge; distances in m.
struct Side {
  std::optional<double> neighbour;
  std::optional<double> edge;

  std::optional<double> distance() const {
    return neighbour ? std::optional<double>(*neighbour / 2) : edge;
  }
};

void keepNearer(std::optional<double>& kept, double distance) {
  if (!kept || distance < *kept) kept = distance;
}

bool reaches(const OrdinaryStiffener& stiffener, double along) {
  if (stiffener.Extremities.count() == 0) return false;
  return isInRange(along, stiffener.Extremities.first(), stiffener.Extremities.last(),
                   kGeometryTolerance);
}

// Neighbours closer than the tolerance lie on the stiffener itself (and are
// named in the messages); they neither share nor take its plating.
void findNeighbours(const Bulkhead& bulkhead, int k, double along, Side& low, Side& high) {
  const double position = bulkhead.Stiffeners.at(k).Position;
  for (int j = 1; j <= bulkhead.Stiffeners.count(); ++j) {
    const OrdinaryStiffener& other = bulkhead.Stiffeners.at(j);
    if (j == k || !reaches(other, along)) continue;
    const double gap = static_cast<double>(other.Position) - position;
    if (std::abs(gap) < kGeometryTolerance) continue;
    keepNearer(gap < 0 ? low.neighbour : high.neighbour, std::abs(gap));
  }
}

void findEdges(const std::vector<PlanePoint>& contour, Axes axes, PlanePoint middle, Side& low,
               Side& high) {
  const CutMode mode = axes.vertical ? CutMode::GivenZ : CutMode::GivenY;
  const double across = axes.across(middle);
  bool onEdge = false;
  for (std::size_t i = 0; i < contour.size(); ++i) {
    PlanePoint cut = middle;
    if (!segmentCut(contour[i], contour[(i + 1) % contour.size()], mode, cut, 0)) continue;
    const double gap = axes.across(cut) - across;
    if (std::abs(gap) < kGeometryTolerance) {
      onEdge = true;
    } else {
      keepNearer(gap < 0 ? low.edge : high.edge, std::abs(gap));
    }
  }
  // A stiffener on the contour's edge has no plating beyond it.
  if (!onEdge) return;
  if (!low.edge) low.edge = 0;
  if (!high.edge) high.edge = 0;
}

// A half from the contour's edge is never more than the other half.
double cappedHalf(const Side& side, double half, double otherHalf) {
  return side.neighbour ? half : std::min(half, otherHalf);
}

struct StrakeUnder {
  int band = 0;
  int strake = 0;
  const Strake* record = nullptr;
};

StrakeUnder thinnestStrakeUnder(const Bulkhead& bulkhead, PlanePoint middle) {
  StrakeUnder found;
  for (int b = 1; b <= bulkhead.StrakeBands.count(); ++b) {
    const StrakeBand& band = bulkhead.StrakeBands.at(b);
    for (int t = 1; t <= band.Strakes.count(); ++t) {
      const Strake& strake = band.Strakes.at(t);
      if (!pointInOutline(strake.Outline, middle)) continue;
      if (found.record != nullptr && found.record->Th <= strake.Th) continue;
      found = {.band = b, .strake = t, .record = &strake};
    }
  }
  return found;
}

PlateOrReason noPlate(std::string reason, MissingCause cause) {
  return {
      .plate = std::nullopt, .band = 0, .strake = 0, .reason = std::move(reason), .cause = cause};
}

}  // namespace

PlateOrReason attachedPlate(const Bulkhead& bulkhead, int stiffener, PlanePoint middle,
                            const std::vector<PlanePoint>& contour) {
  const StrakeUnder under = thinnestStrakeUnder(bulkhead, middle);
  if (under.record == nullptr)
    return noPlate("no strake lies under the middle of the span", MissingCause::NoStrake);
  if (under.record->Th <= 0) {
    return noPlate(
        formatMessage("strake ¤ under it has no thickness", {under.record->StrakeNumber}),
        MissingCause::StrakeThickness);
  }
  const Axes axes{.vertical = bulkhead.stfHV == kVertical};
  Side low;
  Side high;
  findNeighbours(bulkhead, stiffener, axes.along(middle), low, high);
  findEdges(contour, axes, middle, low, high);
  const std::optional<double> lowHalf = low.distance();
  const std::optional<double> highHalf = high.distance();
  if (!lowHalf || !highHalf)
    return noPlate("it lies outside the bulkhead's contour", MissingCause::OutsideContour);
  const double breadth =
      cappedHalf(low, *lowHalf, *highHalf) + cappedHalf(high, *highHalf, *lowHalf);
  if (breadth < kGeometryTolerance)
    return noPlate("its attached plate has no breadth", MissingCause::NoBreadth);
  return {.plate = AttachedPlate{.thickness = under.record->Th, .breadth = breadth * 1000},
          .band = under.band,
          .strake = under.strake,
          .reason = {},
          .cause = MissingCause::None};
}

}  // namespace korain
