// The arrangement as JSON, for the dump command and for comparing files by content.
#pragma once

#include <nlohmann/json.hpp>

#include "model/arrangement.h"

namespace korain {

// Every field that the ZEL block stores and reads back, named as in the model;
// lists become arrays. Selection and computed fields are left out.
nlohmann::ordered_json arrangementJson(const Arrangement& arrangement);

}  // namespace korain
