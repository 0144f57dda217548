// Free numeric form, display patterns and message number texts.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korain {
namespace {

TEST(NumberFormat, FreeForm) {
  EXPECT_EQ(freeNumber(Long{12}), " 12 ");
  EXPECT_EQ(freeNumber(Long{-3}), "-3 ");
  EXPECT_EQ(freeNumber(std::numeric_limits<Long>::min()), "-2147483648 ");
  const std::pair<Single, const char*> cases[] = {
      {0.443f, " .443 "},     {-0.5f, "-.5 "},
      {1e-5f, " 1E-05 "},     {12345678.f, " 1.234568E+07 "},
      {0.0001f, " .0001 "},   {9999999.f, " 9999999 "},
      {0.1f, " .1 "},         {-0.0f, " 0 "},
      {12.5f, " 12.5 "},      {1234.567f, " 1234.567 "},
      {std::nanf(""), " 0 "}, {-std::numeric_limits<Single>::infinity(), " 0 "}};
  for (const auto& [value, text] : cases) EXPECT_EQ(freeNumber(value), text) << text;
}

TEST(NumberFormat, PatternsFormatAsAPersonExpects) {
  const struct {
    double value;
    const char* pattern;
    const char* text;
  } cases[] = {{5, "#0.0###", "5.0"},
               {0.443f, "#0.0###", "0.443"},
               {5.4, "#0", "5"},
               {7, "00", "07"},
               {12.3456, "###0.000", "12.346"},
               {42, " ###", " 42"},
               {0.4, "###", ""},
               {0, "#0.00", "0.00"},
               {0.5, "#.##", ".5"},
               {2.675, "#0.00", "2.68"},
               {-0.125, "#0.00", "-0.13"},
               {9.96, "#0.0", "10.0"},
               {-0.001, "#0.00", "0.00"},
               {-3.25, "×###0.0#", "×-3.25"},
               {1.5, "#0.0 m", "1.5 m"},
               {1e-9, "#0.0###", "0.0"},
               {1e20, "0", "100000000000000000000"},
               {std::nan(""), "#0.0", "0.0"}};
  for (const auto& [value, pattern, text] : cases) {
    EXPECT_EQ(formatNumber(value, pattern), text) << value << " " << pattern;
  }
}

TEST(NumberFormat, GeneralTextOfMessages) {
  const std::pair<double, const char*> cases[] = {
      {-12, "-12"},       {-12.25, "-12.25"},        {1e-5, "1E-05"}, {0.0001, "0.0001"},
      {0.1 + 0.2, "0.3"}, {1e14, "100000000000000"}, {1e15, "1E+15"}, {-0.0, "0"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(generalNumberText(value), text);
  EXPECT_EQ(generalNumberText(16.2F), "16.2");
  EXPECT_EQ(generalNumberText(-0.0F), "0");
}

}  // namespace
}  // namespace korain
