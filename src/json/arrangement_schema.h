// The JSON Schema of the arrangement as the dump command writes it, made from the records' field
// tables. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

namespace korain {

// Each record's fields with their types, codes, limits and lists' lengths as the
// file keeps them, and what they mean.
nlohmann::ordered_json arrangementSchema();

}  // namespace korain
