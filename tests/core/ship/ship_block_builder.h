// Writes ship data blocks from item values, so that each test states only what it changes.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace korain::testing {

// The items of a block group by group, as texts, starting from a plausible ship
// of format version 4. Items are addressed as in the layout: group, then the
// 1-based item within the group (group 10 item 41 is its Single).
class ShipBlockBuilder {
 public:
  ShipBlockBuilder() {
    groups_ = {
        {"4"},
        {"TEST SHIP", "Second line", "Third line", "Fourth line", "Fifth line"},
        {"1", "1", "0", "0", "0", "0", "0", "1", "3", "0"},
        {"2", "3", "4", "0", "0", "0"},
        filled(30, "0"),
        filled(20, "0"),
        filled(30, "0"),
        {"1", "2", "3"},
        filled(14, "0"),
        filled(109, "0"),
        filled(30, "0"),
        filled(22, "0"),
        {"TEST NOTE"},
        {"0.9"},
        {"1", "2", "3", "4"},
    };
    const std::vector<std::string> mainData = {"100", "20", "10",  "0", "0", "7", "4",   "0",
                                               "0.8", "14", "2.5", "8", "4", "7", "1.5", "2.5"};
    std::copy(mainData.begin(), mainData.end(), groups_[4].begin());
    const std::array<std::string, 6> strengths = {"235", "315", "355", "0", "0", "0"};
    std::copy(strengths.begin(), strengths.end(), groups_[6].begin());
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

  // The preamble of a database: comments, the banner, a comment, the items,
  // then a comment and the first block, as the midship-section program leaves them.
  std::string file() const { return "* ship database\r\n*\r\n" + block() + after_; }

  // The banner and the items, without anything after them.
  std::string block() const {
    std::string text = "------------------ BSD ------------------\r\n* data\r\n";
    for (std::size_t g = 0; g < groups_.size(); ++g) {
      const bool wholeLines = g == 1;  // the titles
      for (std::size_t i = 0; i < groups_[g].size(); ++i) {
        if (i > 0) text += wholeLines ? "\r\n" : separator_;
        text += groups_[g][i];
      }
      text += "\r\n";
    }
    return text;
  }

 private:
  static std::vector<std::string> filled(std::size_t count, const std::string& text) {
    return std::vector<std::string>(count, text);
  }

  std::vector<std::vector<std::string>> groups_;
  std::string separator_ = " ";
  std::string after_ =
      "*\r\n------------------ BLOCK ------------------\r\n*\r\n 1 \r\nZEL\r\n 5 6 7 8 9 \r\n";
};

}  // namespace korain::testing
