// The geometry of every bulkhead, recomputed after each change of the model,
// with every inconsistency reported to the message list.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "messages/message_list.h"
#include "model/arrangement.h"

namespace korain {

// Whether the computed fields of the arrangement match its data. Every change
// of the model clears it; computeGeometry does nothing while it is set.
struct GeometryState {
  bool valid = false;
};

// Recomputes every bulkhead in order (contour, closure, stools, bounds,
// members, supports, stiffeners, strakes, compartments, corrugation), each
// step running whatever the previous ones reported, and checks its values; then, when no bulkhead
// is current, makes the one with the largest diagonal current. A strake without material gets
// `defaultMaterial`, the index a new bulkhead's plating gets.
void computeGeometry(Arrangement& arrangement, GeometryState& state, MessageList& messages,
                     Integer defaultMaterial);

// The same for one bulkhead, alone: `number` names it in the messages it
// returns. Nothing of the other bulkheads goes into it.
std::vector<Message> computeBulkheadGeometry(Bulkhead& bulkhead, int number, Long symFlag,
                                             Integer defaultMaterial);

// What the message list shows for one bulkhead: its geometry's messages, then
// the values no structure can have (see plausibility.h).
std::vector<Message> computeCheckedBulkhead(Bulkhead& bulkhead, int number, Long symFlag,
                                            Integer defaultMaterial);

// Gives the arrangement the computed fields its block writes for information
// only (node numbers, stool ends, extremities of members and stiffeners) from a computation
// of a copy, so that a block saved as it was read carries them too: every
// stored field stays as it is, uncorrected and without defaults.
void computeInformationFields(Arrangement& arrangement, Integer defaultMaterial);

// With no bulkhead current, the one with the largest diagonal becomes current
// (the first of equals); it needs the bounds of every bulkhead.
void chooseCurrentBulkhead(Arrangement& arrangement);

}  // namespace korain
