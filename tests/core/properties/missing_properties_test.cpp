// Where a span has no section properties, and why: profiles without a section,
// spans without plating, net values the deduction leaves no thickness for. The
// values themselves are held against a computation of their own by
// tests/cli/check_properties.py.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "../geometry/geometry_test_support.h"
#include "messages/bulkhead_report.h"
#include "model/codes.h"
#include "properties/profile_section.h"
#include "properties/section_faults.h"
#include "properties/span_properties.h"

namespace korain {
namespace {

using namespace testing;
using namespace profile_type;

TEST(ProfileSection, ProfilesWithoutASectionSayWhy) {
  const struct {
    Scantling profile;
    MissingCause cause;
  } cases[] = {
      {{.Typ = kNone}, MissingCause::NoDimensions},
      {{.Typ = kCustom, .H1 = 200, .E1 = 10}, MissingCause::NoDimensions},
      {{.Typ = kPlateReference, .H1 = 1, .E1 = 12}, MissingCause::NoDimensions},
      {{.Typ = kFlatBar, .H1 = 200, .E1 = 0}, MissingCause::NotPositive},
      {{.Typ = kTee, .H1 = 300, .E1 = 12, .H2 = -100, .E2 = 15}, MissingCause::NotPositive},
      // Its flange thickness H1/9.2 - 2 is below 0.
      {{.Typ = kBulb, .H1 = 15, .E1 = 6}, MissingCause::BulbTooLow},
  };
  for (const auto& c : cases) {
    const ShapeOrReason shape = profileShape(c.profile);
    EXPECT_FALSE(shape.shape) << c.profile.Typ;
    EXPECT_FALSE(shape.reason.empty());
    EXPECT_EQ(shape.cause, c.cause) << shape.reason;
  }
}

// Flat bars 200×12 at the given abscissae on the 10 m by 8 m plate, on one 12 mm strake.
Bulkhead stiffenedPlate(std::initializer_list<double> positions) {
  Bulkhead bulkhead = rectangle();
  bulkhead.stfHV = kVertical;
  for (double position : positions) {
    OrdinaryStiffener& s = bulkhead.Stiffeners.append(stiffener(position));
    s.Scant = {.Typ = kFlatBar, .H1 = 200, .E1 = 12};
  }
  Strake& strake = bulkhead.StrakeBands.append().Strakes.append();
  strake.Y = 10;
  strake.Th = 12;
  strake.iMat = 1;
  compute(bulkhead);
  return bulkhead;
}

std::vector<std::string> sectionFaults(const Bulkhead& bulkhead) {
  BulkheadReport report(1);
  reportSectionFaults(bulkhead, report);
  return messagesOf(report.messages());
}

TEST(SpanProperties, ASpanWithoutPlateIsLeftOutAndNamedOnce) {
  // A lone stiffener on the plate's edge has no plating beyond it, and the
  // other half may not be more; one outside the plate is named by the
  // placement check already.
  const Bulkhead onEdge = stiffenedPlate({10});
  const Bulkhead outside = stiffenedPlate({12});
  for (const Bulkhead* bulkhead : {&onEdge, &outside}) {
    const SpanProperties span = spanProperties(*bulkhead, 2).front();
    EXPECT_FALSE(span.gross || span.net);
    EXPECT_TRUE(span.faulty());
  }
  EXPECT_EQ(sectionFaults(onEdge),
            std::vector<std::string>{"Span 1 of ordinary 1 in 'BH' has no section modulus: its "
                                     "attached plate has no breadth"});
  EXPECT_TRUE(sectionFaults(outside).empty());
}

TEST(SpanProperties, NoNetValuesWhenTheDeductionLeavesNoThickness) {
  const SpanProperties eaten = spanProperties(stiffenedPlate({2, 3}), 12).front();
  EXPECT_TRUE(eaten.gross);
  EXPECT_FALSE(eaten.net);
  EXPECT_FALSE(eaten.netMissing.empty());
}

}  // namespace
}  // namespace korain
