// Pasted tables: what is read from a spreadsheet's or a text's rows, what is
// refused with its line, and copies that come back as they went.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/pasted_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace korain {
namespace {

constexpr PasteShape kNodes{.fewest = 2, .most = 6};

struct GoodPaste {
  const char* what;
  std::string text;
  std::vector<PastedRow> rows;
};

TEST(PastedTable, ReadsEveryWayOfWritingRows) {
  const GoodPaste cases[] = {
      {"spreadsheet cells, CR LF", "0\t0\r\n12.5\t0\r\n", {{1, {0, 0}}, {2, {12.5, 0}}}},
      {"decimal comma between TABs", "1,5\t2,5\n", {{1, {1.5, 2.5}}}},
      {"decimal comma between semicolons", "1,5;2,5;3\n", {{1, {1.5, 2.5, 3}}}},
      {"decimal comma between blanks", "1,5  2,5", {{1, {1.5, 2.5}}}},
      {"points between blanks, no last line end",
       "-3.25 1e3\n4 +5",
       {{1, {-3.25, 1000}}, {2, {4, 5}}}},
      {"headings skipped", "Y\tZ\tCode\n1\t2\t3\n", {{2, {1, 2, 3}}}},
      {"blank lines around", "\n  \n1 2\n\n\r\n", {{3, {1, 2}}}},
      {"empty cells at a row's end", "1\t2\t\t\n3\t4\t", {{1, {1, 2}}, {2, {3, 4}}}},
      {"blanks around cells", " 1 \t 2 ", {{1, {1, 2}}}},
      {"points and marks alone", ".5 5. -,5", {{1, {0.5, 5, -0.5}}}},
  };
  for (const GoodPaste& c : cases) {
    const PasteReading read = readPastedTable(c.text, kNodes);
    ASSERT_TRUE(std::holds_alternative<std::vector<PastedRow>>(read)) << c.what;
    EXPECT_EQ(std::get<std::vector<PastedRow>>(read), c.rows) << c.what;
  }
}

struct BadPaste {
  const char* what;
  std::string text;
  PasteRefusal refusal;
};

TEST(PastedTable, RefusesWhatItCannotReadForSure) {
  const BadPaste cases[] = {
      {"nothing", "", {0, "The paste holds no values"}},
      {"blanks only", " \n\t\n", {0, "The paste holds no values"}},
      {"headings only", "Y Z\n", {0, "The paste holds no values"}},
      {"a comma as separator", "1.5,2.5 3", {1, "\"1.5,2.5\" is not a number"}},
      {"a thousands separator", "1,000.5 3", {1, "\"1,000.5\" is not a number"}},
      {"two commas", "1 2\n1,2,3 4", {2, "\"1,2,3\" is not a number"}},
      {"a word below the headings", "Y Z\n1 2\n3 four", {3, "\"four\" is not a number"}},
      {"headings mixed with a number", "Y 2\n1 2", {1, "\"Y\" is not a number"}},
      {"a blank line between rows", "1 2\n\n3 4", {2, "the line is empty"}},
      {"an empty cell before a value", "1\t\t2", {1, "value 2 is empty"}},
      {"too few values", "1 2\n3", {2, "1 value where 2 at least are needed"}},
      {"too many values", "1 2 3 4 5 6 7", {1, "7 values where 6 at most are taken"}},
      {"no digits", "1 -", {1, "\"-\" is not a number"}},
      {"an exponent without digits", "1 2e", {1, "\"2e\" is not a number"}},
      {"infinity", "1 inf", {1, "\"inf\" is not a number"}},
      {"beyond a double", "1 1e999", {1, "\"1e999\" is not a number"}},
      {"a unit", "1 2m", {1, "\"2m\" is not a number"}},
      {"a TAB paste with a semicolon cell", "1\t2;3", {1, "\"2;3\" is not a number"}},
  };
  for (const BadPaste& c : cases) {
    const PasteReading read = readPastedTable(c.text, kNodes);
    ASSERT_TRUE(std::holds_alternative<PasteRefusal>(read)) << c.what;
    EXPECT_EQ(std::get<PasteRefusal>(read), c.refusal) << c.what;
  }
}

TEST(PastedTable, RefusalsNameTheirLine) {
  EXPECT_EQ(refusalText({3, "\"x\" is not a number"}), "Line 3: \"x\" is not a number");
  EXPECT_EQ(refusalText({0, "The paste holds no values"}), "The paste holds no values");
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
