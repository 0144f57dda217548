// Which object of the arrangement lies at a point of the drawing.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "geometry/plane.h"
#include "model/arrangement.h"
#include "model/codes.h"

namespace korain {

// Bits of the object mask: which kinds of object a pick or a tooltip looks for.
inline constexpr Long kPickNodes = 2;
inline constexpr Long kPickPrimaryMembers = 8;
inline constexpr Long kPickStiffenerSpans = 16;
inline constexpr Long kPickStrakes = 128;

enum class PickCode : Integer {
  Nothing = 0,
  Contour = 1,
  Node = 2,
  Strake = 3,
  StiffenerSpan = 5,
  PrimaryMember = 7,
};

// What was hit: the bulkhead, and by kind the node (node or contour), the band
// and strake, the stiffener and its span's support interval, or the member.
struct PickTarget {
  Integer bulkhead = 0;
  Integer object = 0;
  Integer subObject = 0;
};

// Tries the current bulkhead first, then the others in order; the first
// bulkhead with a hit gives the result. With no bulkhead the target is left
// as it was. On the stiffeners panel spans are tried before primary members:
// the members are drawn there as the spans' supports, and a click at a
// span's end means the span.
PickCode findObject(const Arrangement& arrangement, PlanePoint point, double tolerance, Long mask,
                    PanelCode panel, PickTarget& target);

// A stiffener's span under a point: the stiffener's number and the support
// interval that holds the span.
struct SpanPick {
  Integer stiffener = 0;
  Integer interval = 0;
};

// The span of the bulkhead's stiffeners that passes within the tolerance of
// the point, the nearest stiffener's where several do; at a support shared by
// two spans of one stiffener the lower span. None when no span passes so near.
std::optional<SpanPick> spanAt(const Bulkhead& bulkhead, PlanePoint point, double tolerance);

// The point lies on an edge of the closed outline (within the tolerance) or
// inside it.
bool pointInOutline(const List<StrakePoint>& outline, PlanePoint point);

}  // namespace korain
