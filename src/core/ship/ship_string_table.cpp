// Looks numbers up in the ship-data text table compiled from ship_strings.txt.
#include "ship/ship_string_table.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>

#include "ship/ship_string_table_data.h"

namespace korain {
namespace {

// Each line of the data file is "<number><TAB><text>"; lines that do not start
// with a number are the file's own comments. A number alone is an empty text,
// so that an editor dropping a trailing TAB does not turn the text into a
// missing one.
std::unordered_map<Long, std::string_view> parseTable(std::string_view data) {
  std::unordered_map<Long, std::string_view> table;
  while (!data.empty()) {
    const auto end = data.find('\n');
    std::string_view line = data.substr(0, end);
    data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto tab = std::min(line.find('\t'), line.size());
    Long number = 0;
    const auto [ptr, ec] = std::from_chars(line.data(), line.data() + tab, number);
    if (ec != std::errc{} || ptr != line.data() + tab) continue;
    table.emplace(number, tab < line.size() ? line.substr(tab + 1) : std::string_view{});
  }
  return table;
}

const std::unordered_map<Long, std::string_view>& table() {
  static const auto instance = parseTable(kShipStringTableData);
  return instance;
}

}  // namespace

std::optional<std::string_view> findShipText(Long number) {
  const auto found = table().find(number);
  if (found == table().end()) return std::nullopt;
  return found->second;
}

std::string shipText(Long number) {
  if (const auto text = findShipText(number)) return std::string(*text);
  return "Bsd #" + std::to_string(number);
}

}  // namespace korain
