// Looks numbers up in the text table compiled from strings.txt.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/string_table.h"

#include "text/numbered_texts.h"
#include "text/string_table_data.h"

namespace korain {

std::optional<std::string_view> findKorainString(Long number) {
  static const NumberedTexts texts(kStringTableData);
  return texts.find(number);
}

std::string korainString(Long number) {
  if (const auto text = findKorainString(number)) return std::string(*text);
  return "Res #" + std::to_string(number);
}

std::string korainStatusString(Long number) {
  if (const auto text = findKorainString(number)) return std::string(*text);
  return "Status #" + std::to_string(number);
}

}  // namespace korain
