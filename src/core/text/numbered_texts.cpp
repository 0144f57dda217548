// A table of numbered texts parsed from the text of a data file compiled into the program.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/numbered_texts.h"

#include <algorithm>
#include <charconv>

namespace korain {

NumberedTexts::NumberedTexts(std::string_view data) {
  while (!data.empty()) {
    const auto end = data.find('\n');
    std::string_view line = data.substr(0, end);
    data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto tab = std::min(line.find('\t'), line.size());
    Long number = 0;
    const auto [ptr, ec] = std::from_chars(line.data(), line.data() + tab, number);
    if (ec != std::errc{} || ptr != line.data() + tab) continue;
    texts_.emplace(number, tab < line.size() ? line.substr(tab + 1) : std::string_view{});
  }
}

std::optional<std::string_view> NumberedTexts::find(Long number) const {
  const auto found = texts_.find(number);
  if (found == texts_.end()) return std::nullopt;
  return found->second;
}

}  // namespace korain
