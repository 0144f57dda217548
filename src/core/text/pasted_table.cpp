// Reading pasted rows of numbers, refusing what cannot be read for sure, and
// writing rows for a spreadsheet.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/pasted_table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

namespace korain {
namespace {

enum class Separator { Tab, Semicolon, Blanks };

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && (isBlank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

// The lines of the text without their ends; a CR before the LF goes with it.
std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

Separator separatorOf(std::string_view text) {
  if (text.find('\t') != std::string_view::npos) return Separator::Tab;
  if (text.find(';') != std::string_view::npos) return Separator::Semicolon;
  return Separator::Blanks;
}

std::vector<std::string_view> cellsOf(std::string_view line, Separator separator) {
  std::vector<std::string_view> cells;
  if (separator == Separator::Blanks) {
    for (std::size_t at = 0; at < line.size();) {
      while (at < line.size() && isBlank(line[at])) ++at;
      const std::size_t start = at;
      while (at < line.size() && !isBlank(line[at])) ++at;
      if (at > start) cells.push_back(line.substr(start, at - start));
    }
    return cells;
  }
  const char mark = separator == Separator::Tab ? '\t' : ';';
  for (std::size_t at = 0;;) {
    const std::size_t end = line.find(mark, at);
    cells.push_back(trimmed(line.substr(at, end - at)));
    if (end == std::string_view::npos) break;
    at = end + 1;
  }
  while (!cells.empty() && cells.back().empty()) cells.pop_back();
  return cells;
}

// A number as people write it: a sign, digits with one decimal mark (a point
// or a comma) and an exponent. Nothing else passes, so that no text is read
// as a number it does not mean.
std::optional<double> numberIn(std::string_view cell) {
  std::string plain;
  std::size_t at = 0;
  if (at < cell.size() && (cell[at] == '-' || cell[at] == '+')) {
    if (cell[at] == '-') plain += '-';
    ++at;
  }
  bool digits = false;
  bool mark = false;
  for (; at < cell.size(); ++at) {
    const char c = cell[at];
    if (isDigit(c)) {
      digits = true;
      plain += c;
    } else if ((c == '.' || c == ',') && !mark) {
      mark = true;
      plain += '.';
    } else {
      break;
    }
  }
  if (!digits) return std::nullopt;
  if (at < cell.size() && (cell[at] == 'e' || cell[at] == 'E')) {
    plain += 'e';
    ++at;
    if (at < cell.size() && (cell[at] == '-' || cell[at] == '+')) plain += cell[at++];
    const std::size_t exponent = at;
    while (at < cell.size() && isDigit(cell[at])) plain += cell[at++];
    if (at == exponent) return std::nullopt;
  }
  if (at != cell.size()) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc{} || end != plain.data() + plain.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

bool hasLetter(std::string_view cell) {
  return std::any_of(cell.begin(), cell.end(),
                     [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
}

// A line of headings: words only, no cell a number.
bool isHeading(const std::vector<std::string_view>& cells) {
  return !cells.empty() && std::all_of(cells.begin(), cells.end(), [](std::string_view cell) {
    return !numberIn(cell) && hasLetter(cell);
  });
}

std::string countText(int count) {
  return std::to_string(count) + (count == 1 ? " value" : " values");
}

// The row of one line, or why the line cannot be one.
std::variant<PastedRow, std::string> rowOf(const std::vector<std::string_view>& cells, int line,
                                           PasteShape shape) {
  const int count = static_cast<int>(cells.size());
  if (count < shape.fewest) {
    return countText(count) + " where " + std::to_string(shape.fewest) + " at least are needed";
  }
  if (count > shape.most) {
    return countText(count) + " where " + std::to_string(shape.most) + " at most are taken";
  }
  PastedRow row{.line = line, .values = {}};
  for (int k = 0; k < count; ++k) {
    const std::string_view cell = cells[static_cast<std::size_t>(k)];
    if (cell.empty()) return "value " + std::to_string(k + 1) + " is empty";
    const std::optional<double> value = numberIn(cell);
    if (!value) return "\"" + std::string(cell) + "\" is not a number";
    row.values.push_back(*value);
  }
  return row;
}

}  // namespace

PasteReading readPastedTable(std::string_view text, PasteShape shape) {
  const std::vector<std::string_view> lines = linesOf(text);
  const auto blank = [](std::string_view line) { return trimmed(line).empty(); };
  const auto first = std::find_if_not(lines.begin(), lines.end(), blank);
  const auto last = std::find_if_not(lines.rbegin(), lines.rend(), blank).base();
  if (first >= last) return PasteRefusal{.line = 0, .reason = "The paste holds no values"};
  const Separator separator = separatorOf(text);
  std::vector<PastedRow> rows;
  for (auto at = first; at != last; ++at) {
    const int line = static_cast<int>(at - lines.begin()) + 1;
    const std::vector<std::string_view> cells = cellsOf(*at, separator);
    if (at == first && isHeading(cells)) continue;
    if (cells.empty()) return PasteRefusal{.line = line, .reason = "the line is empty"};
    auto row = rowOf(cells, line, shape);
    if (auto* reason = std::get_if<std::string>(&row)) {
      return PasteRefusal{.line = line, .reason = std::move(*reason)};
    }
    rows.push_back(std::get<PastedRow>(std::move(row)));
  }
  if (rows.empty()) return PasteRefusal{.line = 0, .reason = "The paste holds no values"};
  return rows;
}

std::string refusalText(const PasteRefusal& refusal) {
  if (refusal.line == 0) return refusal.reason;
  return "Line " + std::to_string(refusal.line) + ": " + refusal.reason;
}

std::string writeCopiedTable(const std::vector<std::vector<float>>& rows) {
  std::string text;
  for (const std::vector<float>& row : rows) {
    for (std::size_t k = 0; k < row.size(); ++k) {
      if (k > 0) text += '\t';
      std::array<char, 32> digits{};
      const std::to_chars_result written =
          std::to_chars(digits.data(), digits.data() + digits.size(), row[k]);
      text.append(digits.data(), written.ptr);
    }
    text += '\n';
  }
  return text;
}

}  // namespace korain
