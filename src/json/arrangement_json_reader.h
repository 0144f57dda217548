// An arrangement read back from the JSON that the dump command writes, so that
// engineers can make arrangements with their own scripts and spreadsheets.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/arrangement.h"

namespace korain {

// What is wrong, and where: a JSON Pointer ("/Bulkheads/0/Nodes/3/Y"; empty
// for the whole document).
struct JsonProblem {
  std::string path;
  std::string text;
};

struct ArrangementJsonResult {
  std::optional<Arrangement> arrangement;  // only when there is no problem
  std::vector<JsonProblem> problems;
};

// Reads the stored fields of an arrangement, named as dump names them; the
// members "computed" are passed over, the node number Abs too (a node's number
// is its place in its list). A field left out keeps its cleared value (the state
// type and index: 1). Refused, with a problem for each: a document that is not
// JSON or ends early, an unknown field, a value of the wrong kind, a number
// out of its field's range or a fraction for a whole number, a list longer than
// the file can hold or a fixed list of another length, a text the file cannot
// hold (a character beyond Windows-1252, a control character, blanks around
// it, a start that would read as a comment or a banner, a bulkhead name beyond
// 40 characters), and values the file would drop (the scantling of a bracket
// that is not enabled, of a span without its own scantling, bracket lengths
// whose sum is not above 0, a strake band without strakes).
ArrangementJsonResult readArrangementJson(std::string_view text);

}  // namespace korain
