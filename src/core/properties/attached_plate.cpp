// Finding the strake and the stiffener spacing that an ordinary stiffener's span works with.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/attached_plate.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "model/codes.h"
#include "properties/fine_contour.h"
#include "text/format_message.h"

namespace korain {
namespace {

void keepNearer(std::optional<double>& kept, double distance) {
  if (!kept || distance < *kept) kept = distance;
}

bool reaches(const OrdinaryStiffener& stiffener, double along) {
  if (stiffener.Extremities.count() == 0) return false;
  return isInRange(along, stiffener.Extremities.first(), stiffener.Extremities.last(),
                   kGeometryTolerance);
}

PlateOrReason noPlate(std::string reason, MissingCause cause) {
  return {
      .plate = std::nullopt, .band = 0, .strake = 0, .reason = std::move(reason), .cause = cause};
}

}  // namespace

std::optional<double> AttachedPlating::Side::half() const {
  return neighbour ? std::optional<double>(*neighbour / 2) : edge;
}

AttachedPlating::AttachedPlating(const Bulkhead& bulkhead)
    : bulkhead_(bulkhead), vertical_(bulkhead.stfHV == kVertical) {
  const List<OrdinaryStiffener>& stiffeners = bulkhead.Stiffeners;
  byPosition_.resize(static_cast<std::size_t>(stiffeners.count()));
  std::iota(byPosition_.begin(), byPosition_.end(), 1);
  std::ranges::stable_sort(byPosition_, [&](int a, int b) {
    return stiffeners.at(a).Position < stiffeners.at(b).Position;
  });
  place_.resize(byPosition_.size() + 1);
  for (std::size_t i = 0; i < byPosition_.size(); ++i) {
    place_[static_cast<std::size_t>(byPosition_[i])] = i;
  }
  const List<StrakeBand>& bands = bulkhead.StrakeBands;
  for (int b = 1; b <= bands.count(); ++b) {
    const StrakeBand& band = bands.at(b);
    BandBox box{.bottom = b > 1 ? bands.at(b - 1).Z : bulkhead.ZLow, .top = band.Z, .strakes = {}};
    for (int t = 1; t <= band.Strakes.count(); ++t) {
      box.strakes.push_back({.left = t > 1 ? band.Strakes.at(t - 1).Y : bulkhead.YMin,
                             .right = band.Strakes.at(t).Y,
                             .band = b,
                             .strake = t,
                             .record = &band.Strakes.at(t)});
    }
    bands_.push_back(std::move(box));
  }
}

const std::vector<PlanePoint>& AttachedPlating::contour() const {
  if (!contour_) contour_ = fineContour(bulkhead_);
  return *contour_;
}

const AttachedPlating::StrakeBox* AttachedPlating::thinnestStrakeUnder(PlanePoint middle) const {
  const StrakeBox* found = nullptr;
  for (const BandBox& band : bands_) {
    if (!isInRange(middle.z, band.bottom, band.top, kGeometryTolerance)) continue;
    for (const StrakeBox& strake : band.strakes) {
      if (!isInRange(middle.y, strake.left, strake.right, kGeometryTolerance)) continue;
      if (found == nullptr || strake.record->Th < found->record->Th) found = &strake;
    }
  }
  return found;
}

// The nearest neighbour each way that reaches the middle. Neighbours closer
// than the tolerance lie on the stiffener itself (and are named in the
// messages); they neither share nor take its plating.
void AttachedPlating::findNeighbours(int stiffener, double middleAlong, Side& low,
                                     Side& high) const {
  const double position = bulkhead_.Stiffeners.at(stiffener).Position;
  const auto nearestOnOneSide = [&](std::size_t from, int step, std::optional<double>& kept) {
    for (auto i = static_cast<std::ptrdiff_t>(from) + step;
         i >= 0 && i < static_cast<std::ptrdiff_t>(byPosition_.size()); i += step) {
      const OrdinaryStiffener& other =
          bulkhead_.Stiffeners.at(byPosition_[static_cast<std::size_t>(i)]);
      const double gap = std::abs(static_cast<double>(other.Position) - position);
      if (gap < kGeometryTolerance || !reaches(other, middleAlong)) continue;
      kept = gap;
      return;
    }
  };
  const std::size_t place = place_[static_cast<std::size_t>(stiffener)];
  nearestOnOneSide(place, -1, low.neighbour);
  nearestOnOneSide(place, 1, high.neighbour);
}

void AttachedPlating::findEdges(PlanePoint middle, Side& low, Side& high) const {
  const CutMode mode = vertical_ ? CutMode::GivenZ : CutMode::GivenY;
  const double position = across(middle);
  bool onEdge = false;
  const std::vector<PlanePoint>& polygon = contour();
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    PlanePoint cut = middle;
    if (!segmentCut(polygon[i], polygon[(i + 1) % polygon.size()], mode, cut, 0)) continue;
    const double gap = across(cut) - position;
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

PlateOrReason AttachedPlating::at(int stiffener, PlanePoint middle) const {
  const StrakeBox* under = thinnestStrakeUnder(middle);
  if (under == nullptr) {
    return noPlate("no strake lies under the middle of the span", MissingCause::NoStrake);
  }
  if (under->record->Th <= 0) {
    return noPlate(
        formatMessage("strake ¤ under it has no thickness", {under->record->StrakeNumber}),
        MissingCause::StrakeThickness);
  }
  Side low;
  Side high;
  findNeighbours(stiffener, along(middle), low, high);
  if (!low.neighbour || !high.neighbour) findEdges(middle, low, high);
  const std::optional<double> lowHalf = low.half();
  const std::optional<double> highHalf = high.half();
  if (!lowHalf || !highHalf) {
    return noPlate("it lies outside the bulkhead's contour", MissingCause::OutsideContour);
  }
  // A half from the contour's edge is never more than the other half.
  const double lowPart = low.neighbour ? *lowHalf : std::min(*lowHalf, *highHalf);
  const double highPart = high.neighbour ? *highHalf : std::min(*highHalf, *lowHalf);
  const double breadth = lowPart + highPart;
  if (breadth < kGeometryTolerance) {
    return noPlate("its attached plate has no breadth", MissingCause::NoBreadth);
  }
  return {.plate = AttachedPlate{.thickness = under->record->Th, .breadth = breadth * 1000},
          .band = under->band,
          .strake = under->strake,
          .reason = {},
          .cause = MissingCause::None};
}

}  // namespace korain
