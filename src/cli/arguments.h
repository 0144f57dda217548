// Values of korain-cli's arguments: whole numbers, block numbers, check modes
// and comma-separated lists.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "model/arrangement.h"

namespace korain {

// The whole text as a number of type N; nothing when any of it is not.
template <typename N>
std::optional<N> wholeNumber(std::string_view text) {
  N value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A block number, 1 to 32767.
std::optional<Integer> blockNumber(std::string_view text);

// One of the check display modes 0, 5, 6, 8, 9, 10, 11 and 12.
std::optional<Long> checkMode(std::string_view text);

// The pieces between the commas; none for an empty text.
std::vector<std::string_view> commaList(std::string_view list);

}  // namespace korain
