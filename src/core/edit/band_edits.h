// The strake bands panel's changes to a bulkhead's plating: bands and strakes
// are inserted halfway before the current one, and the last band stays.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "edit/edit_outcome.h"
#include "model/arrangement.h"

namespace korain {

// Inserts a band before the current one, halfway between the band below (the
// bottom of the plane part, ZLow, below band 1) and the current band, as a copy
// of the current band with its strakes; the new band becomes current. False
// when there is no current band to copy, or when the bulkhead already has as
// many bands as its block can be read back with.
bool insertBand(Bulkhead& bulkhead);

// Whether a band can go: the plating keeps at least one band.
bool canRemoveBand(const Bulkhead& bulkhead);

// Removes the current band; an index beyond the shortened list becomes 0.
// The outcome names a band that could not go: the last one, or an index the
// list refused.
EditOutcome removeBand(Bulkhead& bulkhead);

// Inserts a strake before the current strake of the current band, halfway
// between the strake before it (YMin before strake 1) and the current one,
// with the current strake's thickness and material; the new strake becomes
// current. False when there is no current strake, or when the band already
// has as many strakes as its block can be read back with.
bool insertStrake(Bulkhead& bulkhead);

// Removes the current strake of the current band; an index beyond the
// shortened list becomes 0. The outcome names the strake's index in its band
// when there was no such strake to remove.
EditOutcome removeStrake(Bulkhead& bulkhead);

}  // namespace korain
