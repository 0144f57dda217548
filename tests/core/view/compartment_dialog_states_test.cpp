// What the compartment dialogs show: the groups of load data of each load type in a standard and
// a JBP run, and the resonance dialog's texts for a ballast tank of the example bulk carrier as
// the ship data and the filling levels vary.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/compartment_dialog_states.h"

#include <gtest/gtest.h>

#include "../resonance/bulk_carrier_ship.h"
#include "model/compartment_tables.h"
#include "model/record_fields.h"
#include "resonance/compartment_codes.h"

namespace korain::testing {
namespace {

TEST(LoadingDialogState, EachTypeShowsTheGroupsItUses) {
  using enum LoadingMode;
  const std::string home = "Homogeneous";
  const std::string load = "Load Data";
  const struct {
    Long type;
    LoadingMode mode;
    LoadingDialogState shown;
  } cases[] = {
      {0, Standard, {false, false, false, load, false}},
      {1, Standard, {true, false, false, home, false}},
      {2, Standard, {true, false, false, home, false}},
      {3, Standard, {true, true, false, home, false}},
      {4, Standard, {false, false, true, load, false}},
      {5, Standard, {false, false, true, load, false}},
      {6, Standard, {true, false, true, home, false}},
      {7, Standard, {false, false, false, load, false}},
      {0, Jbp, {false, false, false, home, false}},
      {3, Jbp, {true, true, false, home, false}},
      {5, Jbp, {false, false, true, home, true}},
      {6, Jbp, {true, false, true, home, true}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(loadingDialogState(c.type, c.mode), c.shown)
        << c.type << (c.mode == Jbp ? " JBP" : "");
  }
}

const ResonanceResultCell kRisk{"Risk", true};
const ResonanceResultCell kNo{"No"};
const ResonanceResultCell kNone{"-"};

TEST(ResonanceDialogState, ShowsThePeriodsOrWhatTheShipDataLackAndEachLevelsVerdicts) {
  const std::string periods = "Ship periods, loading condition 2 : roll 9.24 s, pitch 7.65 s";
  const std::vector<FillingPoint> full(kMaxFillingLevels, FillingPoint{4, 27.5F, 28});
  const struct {
    const char* what;
    Single gm2, speed;
    std::vector<FillingPoint> levels;
    std::string shownPeriods;
    std::vector<ResonanceResultRow> results;
    bool canAdd = true;
  } cases[] = {
      {"no level", 7.5F, 14, {}, periods + ", sway 8.79 s", {}},
      {"deep and shallow levels",
       7.5F,
       14,
       {{4, 27.5F, 28}, {12, 27.5F, 28}, {0, 27.5F, 28}},
       periods + ", sway 8.79 s",
       {{{{{"9.08"}, {"9.23"}, kRisk, kRisk, kRisk}}, true},
        {{{{"6.33"}, {"6.41"}, kRisk, kNo, kRisk}}, true},
        {{kNone, kNone, kNo, kNo, kNo}, false}}},
      {"a ship that lolls in ballast",
       -1,
       14,
       {{4, 27.5F, 28}},
       "Ship periods, loading condition 2 : roll 0.00 s, pitch 7.65 s, sway 8.79 s\n"
       "Roll period undefined in loading condition 2: GM -1.000 m is not positive",
       {{{{{"9.08"}, {"9.23"}, kRisk, kNone, kRisk}}, true}}},
      {"no service speed, and no room for a level",
       7.5F,
       0,
       full,
       "Risk of resonance not evaluated: the ship data lack values the evaluation needs.\n"
       "V (service speed, knots) is missing or not positive: 0.000",
       {},
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ShipData ship = bulkCarrier(c.gm2);
    ship.V = c.speed;
    Compartment tank;
    tank.B = kWaterBallastDestination;
    tank.Table1.at(kEffectiveLengthEntry) = 27.5F;
    tank.Table1.at(kEffectiveBreadthEntry) = 0.0625F;
    for (const FillingPoint& level : c.levels) tank.Points.append(level);
    EXPECT_EQ(resonanceDialogState(tank, ship), (ResonanceDialogState{.EffectiveLength = "27.500",
                                                                      .EffectiveBreadth = "0.063",
                                                                      .CanAddLevel = c.canAdd,
                                                                      .Periods = c.shownPeriods,
                                                                      .ResultsShown = c.speed > 0,
                                                                      .Results = c.results}));
  }
}

}  // namespace
}  // namespace korain::testing
