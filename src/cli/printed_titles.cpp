// The typed title lines, the title block's input and the PDF's date for korain-cli.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printed_titles.h"

#include <ctime>
#include <utility>

#include "configuration.h"
#include "ini_file.h"
#include "title_block_now.h"
#include "write_context.h"

namespace korain {

bool addTitleLine(std::vector<std::string>& titles, std::string line, std::string& problem) {
  constexpr std::size_t kMostTitles = 3;
  titles.push_back(std::move(line));
  if (titles.size() <= kMostTitles) return true;
  problem = "--title is taken at most three times";
  return false;
}

TitleBlockInput printedTitleInput(const std::vector<std::string>& typedLines) {
  TitleBlockInput input = titleBlockInputNow(0, readIdentificationConfig(configurationFilePath()));
  for (std::size_t i = 0; i < typedLines.size(); ++i) input.TypedLines.at(i) = typedLines[i];
  if (const std::optional<std::time_t> fixed = sourceDateEpoch()) {
    std::tm utc{};
    gmtime_r(&*fixed, &utc);
    input.Date = dateText({utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday});
  }
  return input;
}

std::optional<QDateTime> pdfDate() {
  const std::optional<std::time_t> fixed = sourceDateEpoch();
  if (!fixed) return std::nullopt;
  return QDateTime::fromSecsSinceEpoch(static_cast<qint64>(*fixed), Qt::UTC);
}

}  // namespace korain
