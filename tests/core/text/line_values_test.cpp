// Reading the numbers of a data line and converting them to the stored types.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/line_values.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace korain {
namespace {

TEST(LineValues, SplitsAtRunsOfBlanksAndTabsAndForgetsThePreviousLine) {
  LineValues values;
  values.parse("1 -2 3 4 5 6");
  EXPECT_EQ(values.value(2), -2.0);
  EXPECT_EQ(values.value(6), 6.0);
  values.parse("  12\t\t-3.5 \t .443 1E-05\t+7 ");
  ASSERT_EQ(values.count(), 5);
  EXPECT_EQ(values.value(0), std::nullopt);
  EXPECT_EQ(values.value(1), 12.0);
  EXPECT_EQ(values.value(3), 0.443);
  EXPECT_EQ(values.value(4), 1e-5);
  EXPECT_EQ(values.value(5), 7.0);
  EXPECT_EQ(values.value(6), std::nullopt);
}

// A line read in place ends at its line end; any other line is read from a
// copy, so nothing after its end is taken for a digit.
TEST(LineValues, ReadsNothingBeyondTheLine) {
  LineValues values;
  const std::string text = "7 2.5\r\n8";
  values.parseEnded(std::string_view(text).substr(0, 5));
  EXPECT_EQ(values.count(), 2);
  EXPECT_EQ(values.value(2), 2.5);
  values.parse(std::string_view("1.25678", 4));
  EXPECT_EQ(values.value(1), 1.25);
  values.parse(std::string_view("-7 3", 1));
  EXPECT_EQ(values.value(1), std::nullopt);
}

TEST(LineValues, BadPieceKeepsItsPlace) {
  LineValues values;
  for (const char* bad : {"nan", "inf", "0x1A", "1,5", "12abc", "5x", "-", "-7y", "+-5", "+", "1e400"}) {
    values.parse(std::string("1 ") + bad + " 3");
    ASSERT_EQ(values.count(), 3) << bad;
    EXPECT_EQ(values.value(2), std::nullopt) << bad;
    EXPECT_EQ(values.value(3), 3.0) << bad;
  }
}

TEST(LineValues, IgnoresPiecesBeyondTheLimit) {
  std::string line;
  for (int i = 1; i <= kMaxValuesPerLine + 5; ++i) line += std::to_string(i) + "\t";
  LineValues values;
  values.parse(line);
  EXPECT_EQ(values.count(), kMaxValuesPerLine);
  EXPECT_EQ(values.value(kMaxValuesPerLine), double{kMaxValuesPerLine});
}

TEST(LineValues, ConversionsRoundHalfToEvenAndRefuseValuesOutsideTheType) {
  const std::pair<double, Long> cases[] = {
      {0.5, 0},   {1.5, 2},    {2.5, 2}, {-2.5, -2},
      {-2.6, -3}, {2.5001, 3}, {7.0, 7}, {0.49999999999999994, 0}};
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(toLong(value), expected) << value;
    EXPECT_EQ(toInteger(value), static_cast<Integer>(expected)) << value;
  }
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(toInteger(-32768.5), Integer{-32768});
  EXPECT_EQ(toInteger(32767.5), std::nullopt);
  EXPECT_EQ(toLong(-2147483648.0), std::numeric_limits<Long>::min());
  EXPECT_EQ(toLong(2147483648.0), std::nullopt);
  EXPECT_EQ(toLong(kNaN), std::nullopt);
  EXPECT_EQ(toSingle(0.443), 0.443f);
  EXPECT_EQ(toSingle(1e39), std::nullopt);
  EXPECT_EQ(toSingle(kNaN), std::nullopt);
}

}  // namespace
}  // namespace korain
