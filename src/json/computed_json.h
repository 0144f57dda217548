// The computed geometry of each object as JSON, for the dump command.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

#include "model/arrangement.h"

namespace korain::computed_json {

using Json = nlohmann::ordered_json;

// One overload for each record that has computed fields.
Json of(const Bulkhead& b);
Json of(const Node& n);  // null for a node that ends no arc
Json of(const PrimaryMember& m);
Json of(const OrdinaryStiffener& s);
Json of(const StiffenerSpan& s);
Json of(const Bracket& b);
Json of(const Strake& s);
Json of(const Compartment& c);

}  // namespace korain::computed_json
