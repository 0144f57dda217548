// The primary members panel's changes to a bulkhead's members, which are kept
// in order: vertical members first, then horizontal ones, each by position.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "edit/edit_outcome.h"
#include "model/arrangement.h"

namespace korain {

// Puts the members in order by two exchange passes (direction, then position
// within one direction); `current` follows the member it designated.
void sortMembers(List<PrimaryMember>& members, Integer& current);

// Appends a member and makes it current: the first one lies horizontally at the
// bottom of the plane part (the computed ZLow); any other 1.0 m beyond the
// current member, in its direction. The list is sorted again.
void addMember(Bulkhead& bulkhead);

// Removes the current member. The outcome names an index the list refused.
EditOutcome removeMember(Bulkhead& bulkhead);

}  // namespace korain
