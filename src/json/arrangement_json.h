// The arrangement as JSON, for the dump command and for comparing files by content.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

#include "model/arrangement.h"

namespace korain {

// Every field that the ZEL block stores and reads back, named as in the model
// (the members Scant and Corr appear under their record names Scantling and
// Corrugation: C++ lets no member share the name of its type); lists become
// arrays. Selection fields are left out; the computed geometry of each object
// that has some may follow under the key "computed".
enum class ComputedFields { Omitted, Included };
nlohmann::ordered_json arrangementJson(const Arrangement& arrangement, ComputedFields computed);

}  // namespace korain
