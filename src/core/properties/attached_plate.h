// The plating an ordinary stiffener works with at the middle of a span: the
// strake under it and the stiffener spacing there.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geometry/plane.h"
#include "model/arrangement.h"
#include "properties/profile_section.h"

namespace korain {

struct PlateOrReason {
  std::optional<AttachedPlate> plate;
  int band = 0;
  int strake = 0;
  std::string reason;  // empty when there is a plate
  MissingCause cause = MissingCause::None;
};

// The plating of one computed bulkhead, looked up span by span: built once,
// since a bulkhead may have thousands of spans.
class AttachedPlating {
 public:
  // The bulkhead must outlive this.
  explicit AttachedPlating(const Bulkhead& bulkhead);

  // At the span's middle: the thickness of the thinnest strake whose band's
  // heights and own breadths hold it (the strake's outline is the contour cut
  // to those, and a span lies within the contour); the breadth half the distance to each
  // neighbouring stiffener that reaches its height (or abscissa), the contour's edge standing in
  // for a missing neighbour but never giving more than the other half.
  PlateOrReason at(int stiffener, PlanePoint middle) const;

 private:
  struct StrakeBox {
    double left = 0;
    double right = 0;
    int band = 0;
    int strake = 0;
    const Strake* record = nullptr;
  };
  struct BandBox {
    double bottom = 0;
    double top = 0;
    std::vector<StrakeBox> strakes;
  };
  struct Side {
    std::optional<double> neighbour;  // distance to it (m)
    std::optional<double> edge;
    std::optional<double> half() const;
  };

  const StrakeBox* thinnestStrakeUnder(PlanePoint middle) const;
  void findNeighbours(int stiffener, double middleAlong, Side& low, Side& high) const;
  void findEdges(PlanePoint middle, Side& low, Side& high) const;
  double across(PlanePoint p) const { return vertical_ ? p.y : p.z; }
  double along(PlanePoint p) const { return vertical_ ? p.z : p.y; }

  const Bulkhead& bulkhead_;
  // The fine contour, made the first time a stiffener without a neighbour
  // needs its edge: most spans have one on either side.
  const std::vector<PlanePoint>& contour() const;
  mutable std::optional<std::vector<PlanePoint>> contour_;
  bool vertical_ = false;
  std::vector<int> byPosition_;     // stiffener numbers in the order of their positions
  std::vector<std::size_t> place_;  // where each stiffener (from 1) stands in byPosition_
  std::vector<BandBox> bands_;
};

}  // namespace korain
