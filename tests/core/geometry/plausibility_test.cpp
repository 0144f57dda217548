// Each plausibility rule with a value that trips it and one just inside it,
// on a bulkhead that is otherwise plausible in every value.
#include "geometry/plausibility.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "geometry_test_support.h"
#include "model/codes.h"
#include "model/compartment_tables.h"

namespace korain::testing {
namespace {

using namespace profile_type;

Scantling profile(Long type, Single h1, Single e1, Single h2 = 0, Single e2 = 0) {
  Scantling scantling;
  scantling.Typ = type;
  scantling.H1 = h1;
  scantling.E1 = e1;
  scantling.H2 = h2;
  scantling.E2 = e2;
  return scantling;
}

// A rectangle stiffened vertically by one flat bar at y 3, crossed by a
// horizontal member, plated with 12 mm, with one filling level in a 8 m tank.
Bulkhead plausibleBulkhead() {
  Bulkhead b = rectangle();
  b.stfHV = kVertical;
  b.PrimaryMembers.append(member(4, kHorizontal));
  OrdinaryStiffener& s = b.Stiffeners.append(stiffener(3));
  s.Scant = profile(kFlatBar, 200, 10);
  b.StrakeBands.append().Strakes.append().Th = 12;
  Compartment& tank = b.Compartments.at(1);
  tank.Name = "Tank";
  tank.Table1.at(kHeightEntry) = 8;
  tank.Points.append({5, 10, 8});
  return b;
}

using Expected = std::tuple<std::string, PanelCode, int, int>;

struct Case {
  const char* name;
  std::function<void(Bulkhead&)> edit;
  std::vector<Expected> expected;
};

OrdinaryStiffener& first(Bulkhead& b) { return b.Stiffeners.at(1); }

Bracket& fittedUpper(Bulkhead& b) {
  Bracket& bracket = first(b).Brackets.at(2);
  bracket.Enabled = true;
  bracket.Length = 0.3F;
  bracket.Scant = profile(kFlatBar, 300, 12);
  return bracket;
}

constexpr PanelCode kStiffener = PanelCode::OrdinaryStiffeners;
const char* const kOrdinary = "Ordinary 1 in 'BH': ";

const std::vector<Case>& cases() {
  static const std::vector<Case> all = {
      {"web thickness 0",
       [](Bulkhead& b) { first(b).Scant.E1 = 0; },
       {{std::string(kOrdinary) + "web thickness 0 mm is not plausible", kStiffener, 1, 0}}},
      {"web thickness at the limit", [](Bulkhead& b) { first(b).Scant.E1 = 100; }, {}},
      {"web thickness beyond the limit",
       [](Bulkhead& b) { first(b).Scant.E1 = 99999; },
       {{std::string(kOrdinary) + "web thickness 99999 mm is not plausible", kStiffener, 1, 0}}},
      {"web height beyond 10 m",
       [](Bulkhead& b) { first(b).Scant.H1 = 10001; },
       {{std::string(kOrdinary) + "web height 10001 mm is not plausible", kStiffener, 1, 0}}},
      {"flange of a flat bar unused", [](Bulkhead& b) { first(b).Scant.H2 = -1; }, {}},
      {"flange of an angle used",
       [](Bulkhead& b) { first(b).Scant = profile(kAngle, 200, 10, 0, 12); },
       {{std::string(kOrdinary) + "flange width 0 mm is not plausible", kStiffener, 1, 0}}},
      {"null profile", [](Bulkhead& b) { first(b).Scant = {}; }, {}},
      {"plate reference to the panel's plating",
       [](Bulkhead& b) { first(b).Scant = profile(kPlateReference, 2, -1); },
       {}},
      {"plate reference without thickness",
       [](Bulkhead& b) { first(b).Scant = profile(kPlateReference, 2, 0); },
       {{std::string(kOrdinary) + "plate thickness 0 mm is not plausible", kStiffener, 1, 0}}},
      {"bracket not fitted keeps its defaults",
       [](Bulkhead& b) { first(b).Brackets.at(1).Fixed = true; },
       {}},
      {"bracket fitted with a length of 1 mm",
       [](Bulkhead& b) { fittedUpper(b).Length = 0.001F; },
       {}},
      {"bracket fitted without a length",
       [](Bulkhead& b) { fittedUpper(b).Length = 0; },
       {{"Upper bracket of ordinary 1 in 'BH': length 0 m is not plausible", kStiffener, 1, 0}}},
      {"bracket fitted without a scantling",
       [](Bulkhead& b) { fittedUpper(b).Scant = {}; },
       {{"Upper bracket of ordinary 1 in 'BH' is fitted without a scantling", kStiffener, 1, 0}}},
      {"span scantling",
       [](Bulkhead& b) {
         first(b).Spans.redim(1);
         first(b).Spans.at(1).HasScantling = true;
         first(b).Spans.at(1).Scant = profile(kBulb, 200, -3);
       },
       {{"Span 1 of ordinary 1 in 'BH': web thickness -3 mm is not plausible", kStiffener, 1, 1}}},
      {"stiffeners 1.1 mm apart",
       [](Bulkhead& b) { b.Stiffeners.append(b.Stiffeners.at(1)).Position = 3.0011F; },
       {}},
      {"stiffeners 0.9 mm apart, out of order",
       [](Bulkhead& b) { b.Stiffeners.append(b.Stiffeners.at(1)).Position = 2.9991F; },
       {{"Ordinary 1 and 2 in 'BH' are less than 1 mm apart", kStiffener, 2, 0}}},
      {"member of the other direction at the stiffener",
       [](Bulkhead& b) { b.PrimaryMembers.at(1).Position = 3; },
       {}},
      {"member of the stiffeners' direction at the stiffener",
       [](Bulkhead& b) { b.PrimaryMembers.append(member(3.0005, kVertical)); },
       {{"Ordinary 1 in 'BH' lies on primary supporting member 2", kStiffener, 1, 0}}},
      {"soft toe without bracket", [](Bulkhead& b) { first(b).TypeConn = kSoftToe; }, {}},
      {"soft toe with a bracket",
       [](Bulkhead& b) {
         fittedUpper(b);
         first(b).TypeConn = kSoftToe;
       },
       {{"Ordinary 1 in 'BH' has a soft toe connection and a bracket", kStiffener, 1, 0}}},
      {"strake thickness -3",
       [](Bulkhead& b) { b.StrakeBands.at(1).Strakes.at(1).Th = -3; },
       {{"Strake 1 in 'BH': thickness -3 mm is not plausible", PanelCode::StrakeBands, 1, 1}}},
      {"strake at the thickness limit",
       [](Bulkhead& b) { b.StrakeBands.at(1).Strakes.at(1).Th = 100; },
       {}},
      {"filling level at the tank's top",
       [](Bulkhead& b) { b.Compartments.at(1).Points.at(1).H = 8; },
       {}},
      {"filling level above the tank's top",
       [](Bulkhead& b) { b.Compartments.at(1).Points.at(1).H = 8.5F; },
       {{"Filling level 1 of 'Tank' is above the compartment's height of 8 m",
         PanelCode::Compartments, 1, 0}}},
      {"free surface without length or breadth",
       [](Bulkhead& b) {
         b.Compartments.at(1).Points.at(1) = {5, 0, -1};
       },
       {{"Filling level 1 of 'Tank': free surface length 0 m is not plausible",
         PanelCode::Compartments, 1, 0},
        {"Filling level 1 of 'Tank': free surface breadth -1 m is not plausible",
         PanelCode::Compartments, 1, 0}}},
  };
  return all;
}

TEST(Plausibility, EachRuleTripsJustBeyondItsLimitAndNotWithin) {
  Bulkhead base = plausibleBulkhead();
  ASSERT_TRUE(computeCheckedBulkhead(base, 1, 0, kTestDefaultMaterial).empty());
  for (const Case& c : cases()) {
    Bulkhead b = plausibleBulkhead();
    c.edit(b);
    std::vector<Expected> found;
    for (const Message& m : computeCheckedBulkhead(b, 1, 0, kTestDefaultMaterial)) {
      EXPECT_EQ(m.severity, Severity::Warning) << c.name;
      EXPECT_EQ(m.bulkhead, 1) << c.name;
      found.emplace_back(m.text, m.kind, m.index, m.subIndex);
    }
    EXPECT_EQ(found, c.expected) << c.name;
  }
}

}  // namespace
}  // namespace korain::testing
