// The compartments on both sides of a bulkhead: the two default ones, and the
// centre of gravity and vertical extent computed from the contour.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"

namespace korain {

// A bulkhead whose two compartments are both blank gets "Forward compartment
// (name)" and "Aftward compartment (name)", with type and destination 1, no
// load, and the computed position and rule roll data in use.
void addDefaultCompartments(Bulkhead& bulkhead);

// Centre of gravity (Table1 6 and 7) and lowest and highest z (Table1 8 and 9)
// of the area that the node chain encloses; a chain open with an end on the
// centre line is closed along it. Nothing is computed with fewer than two
// nodes, and the centre is kept when the area is (nearly) zero.
void computeCompartmentPosition(const Bulkhead& bulkhead, Compartment& compartment);

}  // namespace korain
