// The ship data queries and the ship-data texts: material names, complete main data, versions.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ship/ship_queries.h"

#include <gtest/gtest.h>

#include "ship/ship_string_table.h"

namespace korain::testing {
namespace {

ShipData withMaterial(int k, Single kind, Single strength) {
  ShipData ship;
  ship.MaterialKind.at(k) = kind;
  ship.MaterialTable.at(1).at(k) = strength;
  return ship;
}

TEST(MaterialName, FollowsKindAndNominalStrengthInsideTheTable) {
  struct Row {
    int k;
    Single kind;
    Single strength;
    std::string name;
  };
  for (const Row& row :
       {Row{1, 2, 235, "Mild steel 235"}, Row{2, 3, 315, "HTS 315"}, Row{6, 4, 355.4F, "HTS 355 Z"},
        Row{3, 1, 5, "Steel 005"}, Row{4, 0, 390.5F, "Steel 391"},  // rounded half away from zero
        Row{5, 2.5F, 1000, "Steel 1000"}}) {
    EXPECT_EQ(materialName(row.k, withMaterial(row.k, row.kind, row.strength)), row.name);
  }
  // Indices outside the table have their own texts.
  const ShipData ship = withMaterial(1, 2, 235);
  EXPECT_EQ(materialName(0, ShipData{}), shipText(250));
  for (const int outside : {-1, 7}) EXPECT_EQ(materialName(outside, ship), shipText(251));
  EXPECT_NE(shipText(250), shipText(251));
  EXPECT_NE(shipText(250), "Bsd #250");
  EXPECT_EQ(findShipText(9999), std::nullopt);
  EXPECT_EQ(shipText(9999), "Bsd #9999");
}

TEST(ShipMaterials, OneEntryPerMaterialUpToSix) {
  ShipData ship = withMaterial(2, 3, 315);
  ship.MaterialTable.at(4).at(2) = 0.3F;
  ship.MaterialCount = 2;
  const List<ShipMaterial> two = shipMaterials(ship);
  ASSERT_EQ(two.count(), 2);
  const ShipMaterial& second = two.at(2);
  EXPECT_EQ((std::vector<double>{double(second.Index), second.Kind, second.Properties.at(1),
                                 second.Properties.at(4)}),
            (std::vector<double>{2, 3, 315, 0.3F}));
  EXPECT_EQ(second.Name, "HTS 315");
  ship.MaterialCount = 40;
  EXPECT_EQ(shipMaterials(ship).count(), 6);
  ship.MaterialCount = -3;
  EXPECT_FALSE(shipMaterials(ship).isDimensioned());
}

TEST(MainDataComplete, NeedsLengthBreadthDepthAndBlockCoefficient) {
  ShipData ship;
  ship.L = 177;
  ship.B = 32;
  ship.D = 18;
  ship.CB = 0.83F;
  EXPECT_TRUE(mainDataComplete(ship));
  for (Single ShipData::*field : {&ShipData::L, &ShipData::B, &ShipData::D, &ShipData::CB}) {
    for (Single bad : {0.0F, -1.0F}) {
      ShipData missing = ship;
      missing.*field = bad;
      EXPECT_FALSE(mainDataComplete(missing));
    }
  }
}

TEST(ShipTypeGroup, TheTypesWithStoolsAndHoppers) {
  for (const int type : {-1, 0, 1, 2, 6, 7, 8, 19, 20, 21, 22}) {
    ShipData ship;
    ship.ShipType = static_cast<Integer>(type);
    EXPECT_EQ(isShipTypeGroup(ship), type == 1 || type == 7 || type == 20 || type == 21) << type;
  }
}

TEST(FormatVersionNumber, TheNumberTheTextBeginsWith) {
  const std::pair<const char*, double> cases[] = {
      {"4", 4},  {" 1.5", 1.5}, {"3.0b", 3}, {"+2", 2},  {"-1", -1}, {"", 0},
      {"v4", 0}, {"+-2", 0},    {"inf", 0},  {"nan", 0}, {".5", 0.5}};
  for (const auto& [text, number] : cases) {
    ShipData ship;
    ship.FormatVersion = text;
    EXPECT_EQ(formatVersionNumber(ship), number) << text;
  }
}

}  // namespace
}  // namespace korain::testing
