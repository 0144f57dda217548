// Reading arrangements back from JSON: every stored field survives the way
// through dump's JSON, and each kind of bad document is refused where it is wrong.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrangement_json_reader.h"

#include <gtest/gtest.h>

#include "arrangement_json.h"
#include "sample_arrangement.h"

namespace korain::testing {
namespace {

// The example's arrangements take the same way in korain-cli's dump and load round trip.
TEST(ArrangementJsonReader, EveryStoredFieldComesBackFromDumpsJson) {
  // Bulkheads, nodes, members, stiffeners, spans, bands, strakes a band, levels a compartment.
  for (const SampleSize& size : {SampleSize{}, SampleSize{3, 7, 2, 4, 3, 2, 3, 4}}) {
    const Arrangement arrangement = sampleArrangement(size);
    SCOPED_TRACE(size.bulkheads);
    const ArrangementJsonResult read =
        readArrangementJson(arrangementJson(arrangement, ComputedFields::Included).dump(2));
    ASSERT_TRUE(read.problems.empty()) << read.problems[0].path << ": " << read.problems[0].text;
    // What the file holds; the numbers of the nodes are their places.
    Arrangement expected = arrangement;
    for (Bulkhead& b : expected.Bulkheads) {
      for (int i = 1; i <= b.Nodes.count(); ++i) b.Nodes.at(i).Abs = static_cast<Integer>(i);
    }
    EXPECT_EQ(*read.arrangement, expected);
  }
}

TEST(ArrangementJsonReader, FieldsLeftOutKeepTheirClearedValues) {
  const ArrangementJsonResult read =
      readArrangementJson(R"({"Name": "Hold 2", "Bulkheads": [{"Nodes": [{"Y": 1.5}, {}]}]})");
  ASSERT_TRUE(read.arrangement);
  EXPECT_EQ(read.arrangement->StateType, 1);
  EXPECT_EQ(read.arrangement->StateIndex, 1);
  const Bulkhead& b = read.arrangement->Bulkheads.at(1);
  EXPECT_EQ(b.Nodes.at(1).Y, 1.5F);
  EXPECT_EQ(b.Nodes.at(2).Abs, 2);
  EXPECT_EQ(b.Compartments.at(2), Compartment{});
}

// The command-line tests of load refuse an unknown field, a value out of range, a
// list too long, a cut-off document and a name the code page cannot hold.
TEST(ArrangementJsonReader, BadDocumentsAreRefusedNamingThePlaceAndTheFault) {
  const struct {
    const char* json;
    const char* path;
    const char* text;
  } cases[] = {
      {R"({"Name": "A", "Bulkheads": [{"Nodes": [{)", "", "ends early"},
      {R"({"Name": "A",})", "", "not valid JSON"},
      {R"([1, 2])", "", "an object is expected"},
      {R"({"a/b~c": 1})", "/a~1b~0c", "unknown field"},
      {R"({"X": "88"})", "/X", "a number is expected, not the text \"88\""},
      {R"({"SymFlag": 1.5})", "/SymFlag", "a whole number is expected"},
      {R"({"StateType": 0})", "/StateType", "below 1"},
      {R"({"X": 1e39})", "/X", "beyond the range"},
      {"{\n \"X\": 6e3333333}", "", "line 2: the number 6e3333333 is beyond any range"},
      {R"({"Bulkheads": [{"UpperStoolSloped": 1}]})", "/Bulkheads/0/UpperStoolSloped",
       "true or false"},
      {R"({"Bulkheads": {}})", "/Bulkheads", "a list is expected"},
      {R"({"Name": "Hold\t2"})", "/Name", "control character"},
      {R"({"ID": " {1}"})", "/ID", "blanks"},
      {R"({"Name": "*2"})", "/Name", "comment"},
      {R"({"Name": "------ 2"})", "/Name", "banner"},
      {R"({"Bulkheads": [{"Name": "12345678901234567890123456789012345678901"}]})",
       "/Bulkheads/0/Name", "40 characters"},
      {R"({"Bulkheads": [{"Compartments": [{}]}]})", "/Bulkheads/0/Compartments",
       "holds 1 items; the file keeps exactly 2"},
      {R"({"Bulkheads": [{"StrakeBands": [{"Z": 2}]}]})", "/Bulkheads/0/StrakeBands/0",
       "without strakes"},
      {R"({"Bulkheads": [{"Stiffeners": [{"Brackets": [{"Length": 0.5}, {}]}]}]})",
       "/Bulkheads/0/Stiffeners/0/Brackets/0", "not enabled"},
      {R"({"Bulkheads": [{"Stiffeners": [{"Spans": [{"Mat": 2}]}]}]})",
       "/Bulkheads/0/Stiffeners/0/Spans/0", "without HasScantling"},
      {R"({"Bulkheads": [{"Stiffeners": [{"Spans": [)"
       R"({"LowerBracketLength": 1, "UpperBracketLength": -1}]}]}]})",
       "/Bulkheads/0/Stiffeners/0/Spans/0", "sum is not above 0"},
      {R"({"a": [[[[[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]]]]]})", "", "nested deeper"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.json);
    const ArrangementJsonResult read = readArrangementJson(c.json);
    EXPECT_FALSE(read.arrangement);
    ASSERT_EQ(read.problems.size(), 1U);
    EXPECT_EQ(read.problems[0].path, c.path);
    EXPECT_NE(read.problems[0].text.find(c.text), std::string::npos) << read.problems[0].text;
  }
}

}  // namespace
}  // namespace korain::testing
