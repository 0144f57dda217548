// How the ship data reader treats old versions, defaults, the free format, damaged and cut blocks.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ship/ship_data_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "ship/ship_string_table.h"
#include "ship_block_builder.h"

namespace korain::testing {
namespace {

ShipData readText(const std::string& bytes, ShipDataReadResult* out = nullptr, ShipData ship = {}) {
  const ShipDataReadResult result = readShipDataFromBytes(bytes, "ship.ko2", ship);
  if (out) *out = result;
  return ship;
}

// The loading conditions came with version 2, the last four Singles with version 4; older blocks
// leave them at 0 and read the items before them as ever.
TEST(ShipDataVersions, ItemsOfNewerVersionsReadAsZero) {
  for (const char* version : {"x", "0", "1", "1.5", "2", "3.99", "4.0"}) {
    ShipDataReadResult result;
    const ShipData ship = readText(ShipBlockBuilder().version(version).file(), &result);
    const double v = std::atof(version);
    EXPECT_TRUE(result.complete) << version;
    EXPECT_TRUE(result.messages.empty()) << result.messages.front().toString();
    EXPECT_EQ((std::vector<Single>{ship.GM1, ship.RollRadius1, ship.GM2, ship.RollRadius2,
                                   ship.Group5Items15To30.at(2)}),
              v >= 2 ? (std::vector<Single>{2.5F, 8, 4, 7, 2.5F}) : std::vector<Single>(5, 0))
        << version;
    EXPECT_EQ((std::vector<Single>{ship.Group15Singles.at(1), ship.Group15Singles.at(4)}),
              v >= 4 ? (std::vector<Single>{1, 4}) : std::vector<Single>(2, 0))
        << version;
    EXPECT_EQ(ship.V, 14.0F) << version;
  }
}

TEST(ShipDataVersions, BeforeVersionThreeTheNavigationNotationIsRenumbered) {
  struct Row {
    const char* version;
    const char* written;
    Integer read;
  };
  for (const Row& row : {Row{"2.9", "2", 4}, Row{"2", "3", 5}, Row{"2", "5", 4}, Row{"2", "6", 5},
                         Row{"2", "7", 7}, Row{"3", "2", 2}, Row{"4", "3", 3}}) {
    const ShipData ship =
        readText(ShipBlockBuilder().version(row.version).set(3, 2, row.written).file());
    EXPECT_EQ(ship.NavigationNotation, row.read) << row.version << " " << row.written;
  }
}

TEST(ShipDataDefaults, Group14TakesItsDefaultWhenItIsNoNumber) {
  for (const char* written : {"abc", "1E99", "0.85.1"}) {
    ShipDataReadResult result;
    const ShipData ship = readText(ShipBlockBuilder().set(14, 1, written).file(), &result);
    EXPECT_EQ(ship.Group14Single, 0.85F) << written;
    ASSERT_EQ(result.messages.size(), 1U) << written;
    EXPECT_NE(result.messages[0].text.find("0.85"), std::string::npos);
    EXPECT_EQ(ship.Group15Singles.at(1), 1.0F) << written;  // and the reading goes on
  }
}

TEST(ShipDataDefaults, UnsetDefaultMaterialsBecomeOneWhenThereAreMaterials) {
  const ShipData two = readText(
      ShipBlockBuilder().set(3, 9, "2").set(8, 1, "0").set(8, 2, "2").set(8, 3, "0").file());
  EXPECT_EQ((std::vector<Integer>{two.DefaultMaterial.at(1), two.DefaultMaterial.at(2),
                                  two.DefaultMaterial.at(3)}),
            (std::vector<Integer>{1, 2, 1}));
  EXPECT_EQ(two.Materials.count(), 2);
  const ShipData none = readText(ShipBlockBuilder().set(3, 9, "0").set(8, 1, "0").file());
  EXPECT_EQ(none.DefaultMaterial.at(1), 0);
  EXPECT_FALSE(none.Materials.isDimensioned());
}

TEST(ShipDataDefaults, AnEmptyShipNameTakesTheDefaultOthersArePadded) {
  const ShipData blank = readText(ShipBlockBuilder().set(2, 1, "   ").file());
  EXPECT_EQ(blank.Titles.at(1), shipText(101));
  const std::string longName = "A name much longer than thirty characters";
  const ShipData cut =
      readText(ShipBlockBuilder().set(2, 1, "  " + longName).set(2, 2, "\xE9t\xE9").file());
  EXPECT_EQ(cut.Titles.at(1), longName.substr(0, 28));
  EXPECT_EQ(cut.Titles.at(2), "\xC3\xA9t\xC3\xA9" + std::string(27, ' '));  // one character a byte
}

TEST(ShipDataFreeFormat, SeparatorsLineBreaksAndQuotes) {
  const ShipData blanks = readText(ShipBlockBuilder().file());
  for (const char* separator : {",", " , ", "\t", "\r\n", "\r\n\r\n", "  \t"}) {
    EXPECT_EQ(readText(ShipBlockBuilder().separator(separator).file()), blanks)
        << "separator '" << separator << "'";
  }
  // Texts end at a comma or the line end unless quoted.
  const ShipData quoted =
      readText(ShipBlockBuilder().version("\"4\"").set(13, 1, "\"A, B\"").file());
  EXPECT_EQ(quoted.FormatVersion, "4");
  EXPECT_EQ(quoted.Group13Text, "A, B");
  EXPECT_EQ(quoted.Group15Singles.at(4), 4.0F);
  const ShipData plain =
      readText(ShipBlockBuilder().version(" 4.25 \t").set(13, 1, "  NOTE \t, 0.7").file());
  EXPECT_EQ(plain.FormatVersion, "4.25");
  EXPECT_EQ(plain.Group13Text, "NOTE");
  EXPECT_EQ(plain.Group14Single, 0.7F);  // the rest of the line is the next item
  EXPECT_EQ(plain.Group15Singles.at(1), 0.9F);
}

TEST(ShipDataDamage, ABadItemKeepsItsFieldAndShiftsNothing) {
  ShipData before;
  before.L = 55;
  before.ShipType = 9;
  ShipDataReadResult result;
  const ShipData ship =
      readText(ShipBlockBuilder().set(5, 1, "1OO").set(3, 1, "40000").file(), &result, before);
  EXPECT_EQ(ship.L, 55.0F);
  EXPECT_EQ(ship.ShipType, 9);
  EXPECT_EQ(ship.B, 20.0F);
  EXPECT_EQ(ship.Group15Singles.at(4), 4.0F);
  EXPECT_TRUE(result.complete);
  ASSERT_EQ(result.messages.size(), 2U);
  EXPECT_EQ(result.messages[0].line, 11);
  EXPECT_NE(result.messages[0].text.find("ShipType"), std::string::npos);
  EXPECT_NE(result.messages[0].text.find("out of range"), std::string::npos);
  EXPECT_EQ(result.messages[1].line, 13);
  EXPECT_NE(result.messages[1].text.find("'1OO' is not a number"), std::string::npos);
}

TEST(ShipDataDamage, WithoutTheBannerOrTheFileTheRecordIsUnchanged) {
  const std::string text = ShipBlockBuilder().file();
  const ShipData before = readText(text);
  std::string commented = text;
  std::string cut = text;
  commented.insert(commented.find("------------------ BSD"), "* ");
  cut.replace(cut.find("------------------ BSD"), 41, "------------------ BSD -------");
  for (const std::string& damaged : {commented, cut, std::string()}) {
    ShipDataReadResult result;
    EXPECT_EQ(readText(damaged, &result, before), before);
    EXPECT_EQ(result.status, ShipDataReadStatus::NotValid);
    ASSERT_EQ(result.messages.size(), 1U);
    EXPECT_EQ(result.messages[0].text, "ship.ko2 : not a valid Tessaly file");
  }
  ShipData ship = before;
  const ShipDataReadResult missing = readShipData("/nonexistent/ship.ko2", ship);
  EXPECT_EQ(missing.status, ShipDataReadStatus::FileMissing);
  EXPECT_EQ(ship, before);
  EXPECT_EQ(missing.messages.size(), 1U);
}

TEST(ShipDataDamage, ACutBlockKeepsWhatWasReadAndSaysWhere) {
  struct Row {
    std::size_t keepLines;  // of the block, banner included, after the file's two comments
    int messageLine;
    const char* names;
  };
  const std::string file = ShipBlockBuilder().file();
  for (const Row& row : {Row{2, 4, "FormatVersion"}, Row{4, 6, "Titles(2)"},
                         Row{10, 12, "L (item 1 of group 5)"}, Row{14, 16, "item 1 of group 9"}}) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < row.keepLines + 2; ++i) end = file.find("\r\n", end) + 2;
    ShipData before;
    before.L = 3;
    ShipDataReadResult result;
    const ShipData ship = readText(file.substr(0, end), &result, before);
    EXPECT_EQ(result.status, ShipDataReadStatus::Read);
    EXPECT_FALSE(result.complete);
    ASSERT_EQ(result.messages.size(), 1U) << row.names;
    EXPECT_EQ(result.messages[0].line, row.messageLine) << row.names;
    EXPECT_NE(result.messages[0].text.find(row.names), std::string::npos)
        << result.messages[0].text;
    EXPECT_EQ(ship.L, row.keepLines > 10 ? 100.0F : 3.0F) << row.names;
    // The finishing steps run all the same: the ship has a name.
    EXPECT_EQ(ship.Titles.at(1), row.keepLines > 3 ? "TEST SHIP" : shipText(101)) << row.names;
  }
}

TEST(ShipDataDamage, TheFirstBlockEndsAShortBlock) {
  std::string text = ShipBlockBuilder().file();
  text.erase(text.find("TEST NOTE"), std::string("TEST NOTE\r\n0.9\r\n1 2 3 4\r\n").size());
  ShipDataReadResult result;
  const ShipData ship = readText(text, &result);
  EXPECT_FALSE(result.complete);
  ASSERT_FALSE(result.messages.empty());
  EXPECT_NE(result.messages.back().text.find("first block"), std::string::npos);
  EXPECT_EQ(ship.Group14Single, 0.0F);  // the ZEL block's numbers are never taken
  EXPECT_EQ(ship.Group15Singles.at(1), 0.0F);
}

}  // namespace
}  // namespace korain::testing
