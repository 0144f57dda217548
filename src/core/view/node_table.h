// The node panel's table of every node of the bulkhead: its columns, each the
// one-node form's row of the same field, and the values a node shows there.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "model/arrangement.h"
#include "view/form_table.h"

namespace korain {

struct NodeColumn {
  std::string_view heading;
  // The node form's row that a cell of the column edits, so that a cell
  // takes what the one-node field takes.
  std::string_view rowName;
};

// Y, Z, the curve code, the radius and the tangent point, in the order a
// table of offsets gives them; a paste may stop after Z.
inline constexpr std::array<NodeColumn, 6> kNodeColumns{{{"Y", "FTX_m_0"},
                                                         {"Z", "FTX_m_1"},
                                                         {"Curve", "SS_Curve"},
                                                         {"R", "FTX_m_4"},
                                                         {"yTan", "FTX_m_2"},
                                                         {"zTan", "FTX_m_3"}}};

// The column of the curve code, which the first node's start code fills.
inline constexpr std::size_t kCurveColumn = 2;

// The node form's row of column `column` (0-based).
const FormRow<Node>& nodeColumnRow(std::size_t column);

// What a node shows in the table's columns.
std::array<float, kNodeColumns.size()> nodeColumnValues(const Node& node);

// The rows of the bulkhead's nodes `first` to `last` (1-based, within the list).
std::vector<std::vector<float>> nodeTableRows(const Bulkhead& bulkhead, int first, int last);

}  // namespace korain
