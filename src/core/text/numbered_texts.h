// A table of numbered texts parsed from the text of a data file compiled into the program.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <unordered_map>

#include "model/arrangement.h"

namespace korain {

// Each line of the data is "<number><TAB><text>"; lines that do not start with a
// number are the file's own comments. A number alone is an empty text, so that
// an editor dropping a trailing TAB does not turn the text into a missing one.
// The texts stay views into the data, which must outlive the table.
class NumberedTexts {
 public:
  explicit NumberedTexts(std::string_view data);

  std::optional<std::string_view> find(Long number) const;

 private:
  std::unordered_map<Long, std::string_view> texts_;
};

}  // namespace korain
