// Whether the ship data allow a verdict on the risk of resonance, and what is said in its place
// when they do not. The notices of a missing ship data block and of an arrangement cut short are
// checked where they are shown: the report's tests and korain-cli's resonance runs.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/resonance_data.h"

#include <gtest/gtest.h>

#include "bulk_carrier_ship.h"
#include "resonance/ship_periods.h"

namespace korain::testing {
namespace {

TEST(ResonanceData, NamesEachValueTheEvaluationNeedsAndLacks) {
  const struct {
    const char* what;
    void (*change)(ShipData&);
    std::vector<std::string> lacking;  // the names the notice begins its lines with
  } cases[] = {
      {"complete", [](ShipData&) {}, {}},
      {"letters in place of L leave it 0", [](ShipData& s) { s.L = 0; }, {"L"}},
      {"a negative speed", [](ShipData& s) { s.V = -3; }, {"V"}},
      // B only makes the defaults of a GM or roll radius not given.
      {"no breadth, nothing defaulted", [](ShipData& s) { s.B = 0; }, {}},
      {"no breadth for a default GM", [](ShipData& s) { s.B = s.GM2 = 0; }, {"B"}},
      {"a negative roll radius", [](ShipData& s) { s.RollRadius1 = -12; }, {"RollRadius1"}},
      // A negative GM is no lack: the roll period is undefined.
      {"a negative GM", [](ShipData& s) { s.GM1 = -0.3F; }, {}},
      {"an empty block", [](ShipData& s) { s = ShipData{}; }, {"L", "B", "V"}},
  };
  for (const auto& c : cases) {
    ShipData ship = bulkCarrier();
    c.change(ship);
    const ResonanceDataCheck check = checkResonanceData(ship, ShipDataPresence::Read);
    ASSERT_EQ(check.unusable.size(), c.lacking.size()) << c.what;
    for (std::size_t i = 0; i < c.lacking.size(); ++i) {
      EXPECT_TRUE(check.unusable[i].starts_with(c.lacking[i] + " (")) << check.unusable[i];
    }
    EXPECT_EQ(check.complete(), c.lacking.empty()) << c.what;
    const std::vector<std::string> notice = check.notice();
    EXPECT_EQ(notice.size(), c.lacking.empty() ? 0 : c.lacking.size() + 1) << c.what;
  }
}

TEST(ResonanceData, ANegativeGMLeavesItsConditionWithoutARollPeriodAndSaysWhy) {
  ShipData ship = bulkCarrier();
  ship.GM2 = -0.3F;
  const ShipPeriods periods = computeShipPeriods(ship);
  EXPECT_EQ(rollPeriodNote(ship, periods, 1), std::nullopt);
  EXPECT_EQ(rollPeriodNote(ship, periods, 2),
            "Roll period undefined in loading condition 2: GM -0.300 m is not positive");
}

}  // namespace
}  // namespace korain::testing
