// Numbers in the JSON output of korain-cli.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "model/arrangement.h"

namespace korain {

// A Single shown with the digits it was written with (0.443, not 0.44299998879).
inline nlohmann::ordered_json single(Single value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text - 1, value);
  *result.ptr = '\0';
  return std::strtod(text, nullptr);
}

}  // namespace korain
