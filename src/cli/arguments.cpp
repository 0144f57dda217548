// Reading korain-cli's block numbers, check modes and comma-separated lists.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"

#include "checks/check_modes.h"

namespace korain {

std::optional<Integer> blockNumber(std::string_view text) {
  const std::optional<Integer> number = wholeNumber<Integer>(text);
  if (!number || *number < 1) return std::nullopt;
  return number;
}

std::optional<Long> checkMode(std::string_view text) {
  const std::optional<Long> mode = wholeNumber<Long>(text);
  if (!mode) return std::nullopt;
  namespace m = check_mode;
  for (const Long known :
       {m::kScantling, m::kMaterial, m::kThickness, m::kSpanReduction, m::kBracketScantling,
        m::kBracketLength, m::kConnection, m::kSectionModulus}) {
    if (*mode == known) return mode;
  }
  return std::nullopt;
}

std::vector<std::string_view> commaList(std::string_view list) {
  std::vector<std::string_view> pieces;
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    pieces.push_back(list.substr(0, comma));
    list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
  }
  return pieces;
}

}  // namespace korain
