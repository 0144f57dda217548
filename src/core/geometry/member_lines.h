// The lines of primary members, ordinary stiffeners and corrugation knuckles:
// where they meet the contour and where the primary members cross them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "geometry/contour.h"
#include "geometry/plane.h"
#include "model/arrangement.h"

namespace korain {

struct LineEnds {
  double first = 0;
  double second = 0;
};

// Where the line at `position` in `direction` (0 horizontal: z = position;
// 1 vertical: y = position) meets the contour, in increasing order. A vertical
// line is kept between ZLow and ZHigh, and runs to them where the contour
// gives no cut.
LineEnds lineEnds(const Contour& contour, const Bulkhead& bulkhead, double position,
                  Long direction);

// The extremities of the line: its two ends and the position of every primary
// member of the other direction that it crosses, increasing, equal values once.
void crossingExtremities(const Bulkhead& bulkhead, double position, Long direction, LineEnds ends,
                         List<Single>& extremities);

// The end points of a member, from its first to its last extremity.
struct PlaneSegment {
  PlanePoint from;
  PlanePoint to;
};
PlaneSegment lineSegment(double position, Long direction, double first, double last);
PlaneSegment primarySegment(const PrimaryMember& member);

// The end points of span `span` of a stiffener running in direction stfHV;
// false when the stiffener has no such span between its extremities.
bool secondarySegment(const OrdinaryStiffener& stiffener, Long stfHV, int span,
                      PlaneSegment& segment);

// A bracket as drawn: a small triangle on the stiffener's end, from the point
// along the stiffener as far as the bracket is long, to its foot beside the
// end, to the end. False when the bracket is off, has no length, or the
// stiffener no extremities.
enum class BracketEnd { Start, End };
struct BracketOutline {
  PlanePoint along;
  PlanePoint foot;
  PlanePoint tip;
};
bool bracketOutline(const Bracket& bracket, const OrdinaryStiffener& stiffener, Long stfHV,
                    BracketEnd at, BracketOutline& outline);

// A span's bracket where the span ends on a primary member (its lower or
// upper bracket length at an extremity between the stiffener's ends), drawn
// like an end bracket with its foot on the member. The stiffener's own ends
// carry the end brackets instead.
struct SpanBracket {
  int span;
  BracketEnd at;  // Start: the span's lower end; End: its upper end
  double length;
  BracketOutline outline;
};
std::vector<SpanBracket> spanBrackets(const OrdinaryStiffener& stiffener, Long stfHV);

// The stool ends: where the stool levels meet the contour. 0 when an enabled
// stool's level does not cross the contour twice.
Integer computeBHeadStoolPosition(Bulkhead& bulkhead, const Contour& contour);

}  // namespace korain
