// The form table of every panel and dialog that edits the arrangement.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"
#include "view/form_table.h"

namespace korain {

// The main data dialog: the arrangement's own data.
const FormTable<Arrangement>& mainDataForm();
// The bulkhead panel: the current bulkhead's own data and its stools.
const FormTable<Bulkhead>& bulkheadForm();
// The compartment panel: the compartment on the side shown.
const FormTable<Compartment>& compartmentForm();

// The corrugation panel: the current bulkhead's corrugation.
const FormTable<Corrugation>& corrugationForm();

// The ordinary stiffeners panel, for every selected stiffener of the current
// bulkhead: the scantling its tab edits (its own, its bracket's or its span's),
// its own data, the bracket of a bracket tab, the span in the current interval.
const FormTable<Scantling>& stiffenerScantlingForm();
const FormTable<OrdinaryStiffener>& stiffenerForm();
const FormTable<Bracket>& stiffenerBracketForm();
const FormTable<StiffenerSpan>& stiffenerSpanForm();

// The node panel: the current node of the current bulkhead.
const FormTable<Node>& nodeForm();
// The primary members panel: the current member.
const FormTable<PrimaryMember>& memberForm();
// The strake bands panel: the current band, and the current strake in it.
const FormTable<StrakeBand>& bandForm();
const FormTable<Strake>& strakeForm();

// The records of a form of the current bulkhead's data: the current bulkhead
// itself, or none.
const Bulkhead* shownBulkhead(const Arrangement& arrangement);
Bulkhead* editedBulkhead(Arrangement& arrangement);

}  // namespace korain
