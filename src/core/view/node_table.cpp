// The node table's columns as the node form's rows, and the values of its rows.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/node_table.h"

#include <string>

#include "view/forms/forms.h"

namespace korain {

const FormRow<Node>& nodeColumnRow(std::size_t column) {
  return *rowNamed(nodeForm(), kNodeColumns.at(column).rowName);
}

std::array<float, kNodeColumns.size()> nodeColumnValues(const Node& node) {
  std::array<float, kNodeColumns.size()> values{};
  for (std::size_t column = 0; column < kNodeColumns.size(); ++column) {
    values[column] = static_cast<float>(std::get<double>(storedValue(nodeColumnRow(column), node)));
  }
  return values;
}

std::vector<std::vector<float>> nodeTableRows(const Bulkhead& bulkhead, int first, int last) {
  std::vector<std::vector<float>> rows;
  for (int k = first; k <= last; ++k) {
    const auto values = nodeColumnValues(bulkhead.Nodes.at(k));
    rows.emplace_back(values.begin(), values.end());
  }
  return rows;
}

}  // namespace korain
