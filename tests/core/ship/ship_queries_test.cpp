// The ship data queries and the ship-data texts: material names, complete main data, ship types.
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

TEST(ShipTexts, EveryNumberTheShipDataUsesIsPresent) {
  for (Long number : {101, 250, 251, 252, 253, 254, 255, 256}) {
    EXPECT_TRUE(findShipText(number).has_value()) << number;
  }
  EXPECT_EQ(findShipText(9999), std::nullopt);
  EXPECT_EQ(shipText(9999), "Bsd #9999");
}

TEST(MaterialName, FollowsKindAndNominalStrength) {
  struct Row {
    int k;
    Single kind;
    Single strength;
    std::string name;
  };
  for (const Row& row : {
           Row{1, 2, 235, "Mild steel 235"},
           Row{2, 3, 315, "HTS 315"},
           Row{6, 4, 355.4F, "HTS 355 Z"},
           Row{3, 1, 5, "Steel 005"},
           Row{4, 0, 390.5F, "Steel 391"},  // rounded half away from zero
           Row{5, 2.5F, 1000, "Steel 1000"},
       }) {
    EXPECT_EQ(materialName(row.k, withMaterial(row.k, row.kind, row.strength)), row.name);
  }
}

TEST(MaterialName, IndicesOutsideTheTableHaveTheirOwnTexts) {
  const ShipData ship = withMaterial(1, 2, 235);
  EXPECT_EQ(materialName(0, ship), shipText(250));
  EXPECT_EQ(materialName(0, ShipData{}), shipText(250));
  EXPECT_EQ(materialName(-1, ship), shipText(251));
  EXPECT_EQ(materialName(7, ship), shipText(251));
  EXPECT_NE(shipText(250), shipText(251));
}

TEST(ShipMaterials, OneEntryPerMaterialUpToSix) {
  ShipData ship = withMaterial(2, 3, 315);
  ship.MaterialTable.at(4).at(2) = 0.3F;
  ship.MaterialCount = 2;
  const List<ShipMaterial> two = shipMaterials(ship);
  ASSERT_EQ(two.count(), 2);
  EXPECT_EQ(two.at(2).Index, 2);
  EXPECT_EQ(two.at(2).Kind, 3.0F);
  EXPECT_EQ(two.at(2).Properties.at(1), 315.0F);
  EXPECT_EQ(two.at(2).Properties.at(4), 0.3F);
  EXPECT_EQ(two.at(2).Name, "HTS 315");
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

TEST(IsShipTypeGroup, OnlyTheTypesWithStoolsAndHoppers) {
  ShipData ship;
  for (int type : {1, 7, 20, 21}) {
    ship.ShipType = static_cast<Integer>(type);
    EXPECT_TRUE(isShipTypeGroup(ship)) << type;
  }
  for (int type : {0, 2, 6, 8, 19, 22, -1}) {
    ship.ShipType = static_cast<Integer>(type);
    EXPECT_FALSE(isShipTypeGroup(ship)) << type;
  }
}

TEST(FormatVersionNumber, TheNumberTheTextBeginsWith) {
  struct Row {
    const char* text;
    double number;
  };
  for (const Row& row :
       {Row{"4", 4}, Row{" 1.5", 1.5}, Row{"3.0b", 3}, Row{"+2", 2}, Row{"-1", -1}, Row{"", 0},
        Row{"v4", 0}, Row{"+-2", 0}, Row{"inf", 0}, Row{"nan", 0}, Row{".5", 0.5}}) {
    ShipData ship;
    ship.FormatVersion = row.text;
    EXPECT_EQ(formatVersionNumber(ship), row.number) << row.text;
  }
}

}  // namespace
}  // namespace korain::testing
