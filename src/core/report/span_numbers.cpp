// Writing the stiffener and span numbers of one row compactly, as runs like "1-5/1".
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/span_numbers.h"

#include <algorithm>
#include <tuple>

namespace korain {
namespace {

struct Run {
  int first = 0;
  int last = 0;
  int span = 0;
};

std::string runText(const Run& run) {
  std::string text = std::to_string(run.first);
  if (run.last != run.first) text += "-" + std::to_string(run.last);
  return text + "/" + std::to_string(run.span);
}

}  // namespace

std::vector<std::string> spanNumberRuns(std::vector<SpanNumber> numbers) {
  std::ranges::sort(numbers, [](const SpanNumber& a, const SpanNumber& b) {
    return std::tie(a.span, a.stiffener) < std::tie(b.span, b.stiffener);
  });
  std::vector<Run> runs;
  for (const SpanNumber& n : numbers) {
    if (!runs.empty() && runs.back().span == n.span && runs.back().last + 1 >= n.stiffener) {
      runs.back().last = std::max(runs.back().last, n.stiffener);
    } else {
      runs.push_back({n.stiffener, n.stiffener, n.span});
    }
  }
  std::ranges::sort(runs, [](const Run& a, const Run& b) {
    return std::tie(a.first, a.span) < std::tie(b.first, b.span);
  });
  std::vector<std::string> texts(runs.size());
  std::ranges::transform(runs, texts.begin(), runText);
  return texts;
}

std::vector<std::string> joinedRuns(const std::vector<std::string>& runs, std::size_t width) {
  std::vector<std::string> lines;
  for (const std::string& run : runs) {
    // The line and its "," and blank before the run, and the "," it may end in.
    if (!lines.empty() && lines.back().size() + 2 + run.size() + 1 <= width) {
      lines.back() += ", " + run;
    } else {
      if (!lines.empty()) lines.back() += ",";
      lines.push_back(run);
    }
  }
  return lines;
}

}  // namespace korain
