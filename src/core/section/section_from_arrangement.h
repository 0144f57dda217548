// A bulkhead arrangement seen as a hull section, for the preview and the import.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"
#include "section/section.h"

namespace korain {

// Each bulkhead becomes a panel with its name, material and contour nodes, and
// its forward compartment a compartment of the section whose boundary runs
// around that contour and back to its first node. The section takes the
// arrangement's name, X and symmetry flag, the fore hold's hopper, the
// material of the first bulkhead as its default and the usual 0.001 m
// tolerance. Stiffeners, members and strakes of a bulkhead lie across the plane
// of a section and have no counterpart on its panels. Panels and node
// references are numbered by Integers: bulkheads and nodes beyond the 32767th
// are left out.
Section sectionFromArrangement(const Arrangement& arrangement);

}  // namespace korain
