// Looks numbers up in the ship-data text table compiled from ship_strings.txt.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ship/ship_string_table.h"

#include "ship/ship_string_table_data.h"
#include "text/numbered_texts.h"

namespace korain {

std::optional<std::string_view> findShipText(Long number) {
  static const NumberedTexts texts(kShipStringTableData);
  return texts.find(number);
}

std::string shipText(Long number) {
  if (const auto text = findShipText(number)) return std::string(*text);
  return "Bsd #" + std::to_string(number);
}

}  // namespace korain
