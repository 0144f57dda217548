// A bulkhead arrangement read where a section is asked for, and refused where it is not wanted.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_from_arrangement.h"

#include <gtest/gtest.h>

#include "../io/zel_test_support.h"
#include "sample_arrangement.h"
#include "sample_section.h"
#include "section_test_support.h"

namespace korain::testing {
namespace {

const Arrangement& arrangement() {
  static const Arrangement a = sampleArrangement({.bulkheads = 3, .nodes = 5});
  return a;
}

TEST(ZelAsSection, BulkheadsBecomePanelsAndTheirForwardCompartmentsCompartments) {
  const Section s = sectionFromArrangement(arrangement());
  const Arrangement& a = arrangement();
  EXPECT_EQ(s.Name, a.Name);
  EXPECT_EQ(s.X, a.X);
  EXPECT_EQ(s.SymFlag, a.SymFlag);
  EXPECT_EQ(s.HopperBreadth, a.ForeHopperBreadth);
  EXPECT_EQ(s.HopperZTop, a.ForeHopperZTop);
  EXPECT_NE(a.ForeHopperBreadth, a.AftHopperBreadth) << "the sample must tell the hoppers apart";
  EXPECT_EQ(s.DefaultMaterial, a.Bulkheads.at(1).iMat);
  EXPECT_EQ(s.Tolerance, 0.001F);
  ASSERT_EQ(s.Panels.count(), 3);
  ASSERT_EQ(s.Compartments.count(), 3);
  for (int i = 1; i <= 3; ++i) {
    const Bulkhead& b = a.Bulkheads.at(i);
    SectionPanel panel;
    panel.Name = b.Name;
    panel.iMat = b.iMat;
    panel.Nodes = b.Nodes;
    EXPECT_EQ(s.Panels.at(i), panel);
    const SectionCompartment& c = s.Compartments.at(i);
    EXPECT_EQ(static_cast<const Compartment&>(c), b.Compartments.at(1));
    EXPECT_NE(c.Name, b.Compartments.at(2).Name);
    // Around the contour and back to its first node.
    std::vector<NodeRef> around;
    for (const int k : {1, 2, 3, 4, 5, 1}) around.push_back({Integer(i), Integer(k)});
    EXPECT_EQ(std::vector<NodeRef>(c.NodeRefs.begin(), c.NodeRefs.end()), around);
  }
}

TEST(ZelAsSection, ContoursTooShortToCloseAreNotClosed) {
  Arrangement a;
  a.Bulkheads.append().Nodes.append({.Y = 1, .Z = 2});
  a.Bulkheads.append();
  const Section s = sectionFromArrangement(a);
  ASSERT_EQ(s.Compartments.count(), 2);
  ASSERT_EQ(s.Compartments.at(1).NodeRefs.count(), 1);
  EXPECT_FALSE(s.Compartments.at(2).NodeRefs.isDimensioned());
  Section empty;
  empty.Tolerance = 0.001F;
  EXPECT_EQ(sectionFromArrangement(Arrangement{}), empty);
}

TEST(ZelAsSection, ReadFromABlockAndRefusingThemKeepsSections) {
  const std::string text = sectionBlockText(sampleSection(), 1) + zelText(arrangement(), 2);
  SectionReadResult result;
  const Section s = readSectionText(text, 2, &result);
  EXPECT_EQ(result.status, SectionReadStatus::Read);
  EXPECT_TRUE(result.messages.empty()) << messagesText(result.messages);
  EXPECT_FLOAT_EQ(result.version, 0.443F);
  EXPECT_EQ(s, sectionFromArrangement(arrangement()));
  // Refusing arrangements keeps sections, and the next block ends the section.
  EXPECT_EQ(readSectionText(text, 1, &result, Arrangements::Refuse), sampleSection());
  EXPECT_EQ(result.status, SectionReadStatus::Read);
}

TEST(ZelAsSection, AStoppedArrangementGivesWhatWasReadAndWhy) {
  std::string text = zelText(arrangement());
  const std::size_t at = text.find("\r\n 2 \t .5 \t .9 \t");
  ASSERT_NE(at, std::string::npos);
  text.replace(at + 2, 3, " 9 ");
  SectionReadResult result;
  const Section s = readSectionText(text, 1, &result);
  EXPECT_EQ(result.status, SectionReadStatus::Stopped);
  EXPECT_TRUE(result.found());
  EXPECT_NE(messagesText(result.messages).find("bulkhead number 9"), std::string::npos);
  EXPECT_EQ(s.Panels.count(), 3);
  EXPECT_EQ(s.Compartments.at(1).Name, "") << "the compartments were never reached";
}

}  // namespace
}  // namespace korain::testing
