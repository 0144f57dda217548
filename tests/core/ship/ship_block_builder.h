// The test ship's database (tests/data/test_ship.ko2) with items replaced, so that each test
// states only what it changes.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace korain::testing {

// A plausible ship of format version 4, preceded by comments and the banner and followed by a
// comment and the first block, as the midship-section program leaves them. Items are addressed
// as in the layout: group, then the 1-based item within the group (group 10 item 41 is its
// Single). The file holds one group a line, the five titles of group 2 on lines of their own.
class ShipBlockBuilder {
 public:
  ShipBlockBuilder() {
    std::ifstream in(KORAIN_TEST_DATA "/test_ship.ko2", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
      lines.push_back(line.substr(0, line.find('\r')));
    if (lines.size() < 10) throw std::runtime_error("tests/data/test_ship.ko2 cannot be read");
    const auto items = lines.begin() + 4;  // after two comments, the banner and a comment
    head_.assign(lines.begin(), items);
    groups_.push_back(words(items[0]));
    groups_.emplace_back(items + 1, items + 6);
    auto line = items + 6;
    for (; line != lines.end() && !line->starts_with('*'); ++line) {
      const bool note = groups_.size() == 12;  // group 13: one text, blanks and all
      groups_.push_back(note ? std::vector{*line} : words(*line));
    }
    tail_.assign(line, lines.end());
  }

  ShipBlockBuilder& set(int group, int item, std::string text) {
    groups_.at(static_cast<std::size_t>(group - 1)).at(static_cast<std::size_t>(item - 1)) =
        std::move(text);
    return *this;
  }

  ShipBlockBuilder& version(std::string text) { return set(1, 1, std::move(text)); }

  // Between the items of a group; "\r\n" puts every item on a line of its own.
  ShipBlockBuilder& separator(std::string text) {
    separator_ = std::move(text);
    return *this;
  }

  std::string file() const {
    std::string text;
    for (const std::string& line : head_) text += line + "\r\n";
    for (std::size_t g = 0; g < groups_.size(); ++g) {
      const bool wholeLines = g == 1;  // the titles
      for (std::size_t i = 0; i < groups_[g].size(); ++i) {
        if (i > 0) text += wholeLines ? "\r\n" : separator_;
        text += groups_[g][i];
      }
      text += "\r\n";
    }
    for (const std::string& line : tail_) text += line + "\r\n";
    return text;
  }

 private:
  static std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
  }

  std::vector<std::string> head_;
  std::vector<std::vector<std::string>> groups_;
  std::vector<std::string> tail_;
  std::string separator_ = " ";
};

}  // namespace korain::testing
