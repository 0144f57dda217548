// A bulkhead contour (or a panel of a hull section) as straight lines and exact
// circular arcs, for the cuts of lines with it and for abscissae along it.
// Built from nodes whose arcs have been computed (computeBHeadGeometry).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "geometry/plane.h"
#include "model/arrangement.h"

namespace korain {

// The two directions of a line across the contour, as the cut codes name them.
enum class CutDirection { Vertical = 1, Horizontal = 2 };

struct ContourCuts {
  int count = 0;  // 0, 1 or 2
  double first = 0;
  double second = 0;
};

class Contour {
 public:
  explicit Contour(const Bulkhead& bulkhead) : Contour(bulkhead.Nodes) {}
  explicit Contour(const List<Node>& nodes);

  // The cuts of the line z = position (horizontal) or y = position (vertical)
  // with the closed contour (the last node joined back to the first), as
  // abscissae along the line (y or z). Of more than two cuts the outermost
  // are given; cuts at the same point count once. With one cut both
  // abscissae are that cut, with none both are 0.
  ContourCuts cut(double position, CutDirection direction) const;

  // Where a point lies on the contour (the path from the first node to the
  // last): the curvilinear abscissa from the first node and the number of the
  // node before the point. False when no part of the contour passes within the
  // tolerance of the point.
  bool locate(PlanePoint point, double tolerance, double& abscissa, int& nodeBefore) const;

  // The point of the path at an abscissa from the first node, which is
  // brought into the path's length first.
  PlanePoint pointAt(double abscissa) const;

 private:
  struct Element {
    bool arc = false;
    PlanePoint from;
    PlanePoint to;
    PlanePoint centre;
    double radius = 0;
    double startAngle = 0;
    double sweep = 0;
    int nodeBefore = 0;
    double length = 0;
  };

  // The extreme cuts found so far along the cut line.
  struct CutRange {
    int count = 0;
    double low = 0;
    double high = 0;
    void add(double at);
  };

  void addLine(PlanePoint from, PlanePoint to, int nodeBefore);
  void addArc(const Node& node, int nodeBefore);
  static void cutLine(const Element& line, double position, bool horizontal, CutRange& range);
  static void cutArc(const Element& arc, double position, bool horizontal, CutRange& range);
  static bool onElement(const Element& element, PlanePoint point, double tolerance, double& along);
  static PlanePoint pointAlong(const Element& element, double along);

  std::vector<Element> elements_;
  std::vector<Element> closing_;  // the line back to the first node, when the ends are apart
};

}  // namespace korain
