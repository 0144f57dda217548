// The panels' texts of a span's section modulus and of a bulkhead's weight:
// every value with its unit, and why a value is missing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/property_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace korain::testing {
namespace {

SpanProperties tee() {
  SpanProperties span;
  span.plate = AttachedPlate{.thickness = 14, .breadth = 800};
  span.gross = SectionProperties{.modulusFlange = 767.64, .modulusPlate = 2808.77};
  return span;
}

TEST(SpanModulusText, GrossAlwaysNetOnlyWithADeductionAndTheReasonWhenMissing) {
  const SpanProperties plain = tee();
  SpanProperties net = tee();
  net.net = SectionProperties{.modulusFlange = 700.06, .modulusPlate = 2500.31};
  SpanProperties netMissing = tee();
  netMissing.netMissing = "a deduction of 20 mm leaves the plate without thickness";
  SpanProperties missing;
  missing.missing = "the profile type has no dimensions";
  const std::string gross =
      "Z 767.6 cm³ at the flange, 2808.8 cm³ at the plate, with plate 800 × 14 mm";
  const struct {
    const SpanProperties& span;
    double deduction;
    std::string text;
  } rows[] = {
      {plain, 0, gross},
      {net, 0, gross},
      {net, 1.5, gross + "\nNet, 1.5 mm off: Z 700.1 cm³ at the flange, 2500.3 cm³ at the plate"},
      {netMissing, 20,
       gross + "\nNet, 20 mm off: a deduction of 20 mm leaves the plate without thickness"},
      {missing, 2, "No section modulus: the profile type has no dimensions"},
  };
  for (const auto& row : rows) EXPECT_EQ(spanModulusText(row.span, row.deduction), row.text);
}

TEST(BulkheadWeightText, GivesTheWholeBulkheadOfAHalfSectionThenTheNotes) {
  BulkheadWeight weight;
  weight.total = {.weight = 12.345, .y = 3.214, .z = 5.4349};
  weight.notes = {"Primary supporting members are left out.", "The stools are left out."};
  EXPECT_EQ(bulkheadWeightText(weight),
            "Steel 12.35 t, centre y 3.21 m, z 5.43 m\nPrimary supporting members are left "
            "out.\nThe stools are left out.");
  weight.half = true;
  weight.whole = {.weight = 24.69, .y = -0.0, .z = 5.4349};
  weight.notes.clear();
  EXPECT_EQ(bulkheadWeightText(weight),
            "Steel 12.35 t, centre y 3.21 m, z 5.43 m; whole bulkhead 24.69 t, y 0.00 m");
}

}  // namespace
}  // namespace korain::testing
