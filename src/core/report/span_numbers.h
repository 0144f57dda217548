// The stiffener and span numbers that one row of alike spans stands for,
// written compactly: neighbouring stiffeners with the same span as "1-5/1".
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace korain {

struct SpanNumber {
  int stiffener = 0;
  int span = 0;
};

// "1-5/1", "7/2": one text per run of consecutive stiffeners with the same
// span, ordered by their first stiffener, then by span.
std::vector<std::string> spanNumberRuns(std::vector<SpanNumber> numbers);

// The runs joined by ", " on lines of at most `width` characters, a line that
// goes on ending in ","; a run longer than that stands alone on its line.
std::vector<std::string> joinedRuns(const std::vector<std::string>& runs, std::size_t width);

}  // namespace korain
