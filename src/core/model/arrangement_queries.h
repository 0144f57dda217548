// Questions about the records: of a whole arrangement, those that decide which
// parts of the ZEL block are written.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"

namespace korain {

bool anyNode(const Arrangement& arrangement);
bool anyPrimaryMember(const Arrangement& arrangement);
bool anyOrdinaryStiffener(const Arrangement& arrangement);
bool anySpanWithScantling(const Arrangement& arrangement);
bool anySpanWithBrackets(const Arrangement& arrangement);

bool spanHasBrackets(const StiffenerSpan& span);

// A bracket is fitted at either end of the stiffener.
bool hasBracket(const OrdinaryStiffener& stiffener);

}  // namespace korain
