// The computed geometry of each object as JSON, for the dump command.
#pragma once

#include <nlohmann/json.hpp>

#include "model/arrangement.h"

namespace korain::computed_json {

using Json = nlohmann::ordered_json;

Json bulkhead(const Bulkhead& b);
Json node(const Node& n);  // null for a node that ends no arc
Json primaryMember(const PrimaryMember& m);
Json stiffener(const OrdinaryStiffener& s);
Json span(const StiffenerSpan& s);
Json bracket(const Bracket& b);
Json strake(const Strake& s);
Json compartment(const Compartment& c);

}  // namespace korain::computed_json
