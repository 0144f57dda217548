// Pasted tables: what is read from a spreadsheet's or a text's rows, what is
// refused with its line, and copies that come back as they went.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/pasted_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace korain {
namespace {

constexpr PasteShape kNodes{.fewest = 2, .most = 6};

using Rows = std::vector<PastedRow>;

PasteRefusal notANumber(int line, const std::string& text) {
  return {line, "\"" + text + "\" is not a number"};
}

// Good pastes read row by row, with their lines; bad ones refused at their line.
TEST(PastedTable, ReadsEveryWayOfWritingRowsAndRefusesWhatItCannotReadForSure) {
  const std::pair<std::string, PasteReading> cases[] = {
      {"0\t0\r\n12.5\t0\r\n", Rows{{1, {0, 0}}, {2, {12.5, 0}}}},
      {"1,5\t2,5\n", Rows{{1, {1.5, 2.5}}}},
      {"1,5;2,5;3\n", Rows{{1, {1.5, 2.5, 3}}}},
      {"1,5  2,5", Rows{{1, {1.5, 2.5}}}},
      {"-3.25 1e3\n4 +5", Rows{{1, {-3.25, 1000}}, {2, {4, 5}}}},
      {"Y\tZ\tCode\n1\t2\t3\n", Rows{{2, {1, 2, 3}}}},
      {"\n  \n1 2\n\n\r\n", Rows{{3, {1, 2}}}},
      {"1\t2\t\t\n 3 \t 4\t", Rows{{1, {1, 2}}, {2, {3, 4}}}},
      {".5 5. -,5", Rows{{1, {0.5, 5, -0.5}}}},
      {" \n\t\n", PasteRefusal{0, "The paste holds no values"}},
      {"Y Z\n", PasteRefusal{0, "The paste holds no values"}},
      {"1.5,2.5 3", notANumber(1, "1.5,2.5")},
      {"1,000.5 3", notANumber(1, "1,000.5")},
      {"1 2\n1,2,3 4", notANumber(2, "1,2,3")},
      {"Y Z\n1 2\n3 four", notANumber(3, "four")},
      {"Y 2\n1 2", notANumber(1, "Y")},
      {"1 2\n\n3 4", PasteRefusal{2, "the line is empty"}},
      {"1\t\t2", PasteRefusal{1, "value 2 is empty"}},
      {"1 2\n3", PasteRefusal{2, "1 value where 2 at least are needed"}},
      {"1 2 3 4 5 6 7", PasteRefusal{1, "7 values where 6 at most are taken"}},
      {"1 -", notANumber(1, "-")},
      {"1 2e", notANumber(1, "2e")},
      {"1 inf", notANumber(1, "inf")},
      {"1 1e999", notANumber(1, "1e999")},
      {"1\t2;3", notANumber(1, "2;3")},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(readPastedTable(text, kNodes), expected) << text;
  }
}

// What the table copies out is what a paste of it reads back, value for value.
TEST(PastedTable, CopiesComeBackAsTheyWent) {
  const std::vector<std::vector<float>> rows = {
      {0.1F, -12.345678F, 1e30F},
      {std::numeric_limits<float>::denorm_min(), -0.0F, 123456789.0F},
      {std::nextafter(1.0F, 2.0F), 3.0F, 0.3F}};
  const std::string copy = writeCopiedTable(rows);
  EXPECT_EQ(copy.find(','), std::string::npos);
  const PasteReading read = readPastedTable(copy, {.fewest = 3, .most = 3});
  ASSERT_TRUE(std::holds_alternative<std::vector<PastedRow>>(read)) << copy;
  const std::vector<PastedRow>& back = std::get<std::vector<PastedRow>>(read);
  ASSERT_EQ(back.size(), rows.size());
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t k = 0; k < rows[r].size(); ++k) {
      EXPECT_EQ(static_cast<float>(back[r].values[k]), rows[r][k]) << copy;
    }
  }
}

}  // namespace
}  // namespace korain
