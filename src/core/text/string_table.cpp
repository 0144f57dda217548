// Looks numbers up in the text table compiled from strings.txt.
#include "text/string_table.h"

#include <charconv>
#include <unordered_map>

#include "text/string_table_data.h"

namespace korain {
namespace {

// Each line of the data file is "<number><TAB><text>"; lines that do not start
// with a digit are the file's own comments.
std::unordered_map<Long, std::string_view> parseTable(std::string_view data) {
  std::unordered_map<Long, std::string_view> table;
  while (!data.empty()) {
    const auto end = data.find('\n');
    std::string_view line = data.substr(0, end);
    data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos) continue;
    Long number = 0;
    const auto [ptr, ec] = std::from_chars(line.data(), line.data() + tab, number);
    if (ec != std::errc{} || ptr != line.data() + tab) continue;
    table.emplace(number, line.substr(tab + 1));
  }
  return table;
}

const std::unordered_map<Long, std::string_view>& table() {
  static const auto instance = parseTable(kStringTableData);
  return instance;
}

}  // namespace

std::optional<std::string_view> findKorainString(Long number) {
  const auto found = table().find(number);
  if (found == table().end()) return std::nullopt;
  return found->second;
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
