// The ship data block of a database: identification, main dimensions, loading data, materials.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/arrangement.h"
#include "model/list.h"

namespace korain {

inline constexpr int kMaxMaterials = 6;
inline constexpr int kMaterialProperties = 5;  // rows of the material table

// One material as the materials panel and the material lists show it; built
// from the record after reading, never read from the file itself.
struct ShipMaterial {
  Integer Index = 0;  // 1..MaterialCount, the number that model records refer to
  Single Kind = 0;    // MaterialKind(Index)
  // Column Index of the material table: row 1 the nominal strength, row 2 the
  // tensile strength, row 3 Young's modulus, row 4 Poisson's ratio, row 5 the
  // material factor.
  FixedList<Single, kMaterialProperties> Properties;
  std::string Name;  // materialName(Index)

  bool operator==(const ShipMaterial&) const = default;
};

// The block as the midship-section program writes it. Fields are in reading
// order, group by group; positions whose meaning belongs to that program are
// kept in arrays named after their group so that nothing read is lost, and are
// never used here.
struct ShipData {
  // Group 1: the block's format version, up to 8 characters; compared as a number.
  std::string FormatVersion;

  // Group 2: five identification lines of 30 characters; Titles(1) is the ship
  // name, trimmed after reading.
  FixedList<std::string, 5> Titles;

  // Group 3: ten codes.
  Integer ShipType = 0;
  Integer NavigationNotation = 0;  // 1..5
  FixedList<Integer, 5> Group3Items3To7;
  Integer MaterialCode = 0;   // hull material: 1 steel, 2 aluminium alloy
  Integer MaterialCount = 0;  // materials defined, at most 6
  Integer Group3Item10 = 0;

  // Group 4: kind code of each material (2, 3, 4 or another).
  FixedList<Single, kMaxMaterials> MaterialKind;

  // Group 5: thirty main data, lengths in metres.
  Single L = 0;  // rule length
  Single B = 0;  // moulded breadth
  Single D = 0;  // depth
  FixedList<Single, 2> Group5Items4To5;
  Single T = 0;               // draught
  Single BallastDraught = 0;  // 0 when not given
  Single Group5Item8 = 0;
  Single CB = 0;   // block coefficient
  Single V = 0;    // service speed, knots
  Single GM1 = 0;  // loading condition 1: metacentric height and roll radius of gyration
  Single RollRadius1 = 0;
  Single GM2 = 0;  // the same for loading condition 2
  Single RollRadius2 = 0;
  FixedList<Single, 16> Group5Items15To30;  // 15 and 16 are cleared with GM1..RollRadius2

  // Group 6: ten pairs.
  FixedList<FixedList<Single, 2>, 10> Group6Pairs;

  // Group 7: MaterialTable.at(row).at(material); row 1 is the nominal strength
  // shown in material names.
  FixedList<FixedList<Single, kMaxMaterials>, kMaterialProperties> MaterialTable;

  // Group 8: default material indices of new plating and stiffeners.
  FixedList<Integer, 3> DefaultMaterial;

  // Group 9.
  FixedList<Integer, 2> Group9Integers1;
  FixedList<Single, 2> Group9Singles1;
  FixedList<FixedList<Single, 3>, 2> Group9Triples;
  FixedList<Single, 2> Group9Singles2;
  FixedList<Integer, 2> Group9Integers2;

  // Group 10.
  FixedList<Integer, 40> Group10Integers1;
  Single Group10Single = 0;
  FixedList<Single, 40> Group10Singles;
  FixedList<Integer, 3> Group10Integers2;
  FixedList<Integer, 25> Group10Integers3;

  // Group 11: ten triples, kept as three lists (triple i gives value i of each).
  FixedList<Single, 10> Group11List1;
  FixedList<Single, 10> Group11List2;
  FixedList<Single, 10> Group11List3;

  // Group 12.
  FixedList<Single, 15> Group12Singles1;
  Single Group12Single = 0;
  FixedList<Single, 4> Group12Singles2;
  FixedList<Single, 2> Group12Singles3;

  // Group 13: a text of up to 50 characters.
  std::string Group13Text;

  // Group 14: 0.85 when the file holds no valid number there.
  Single Group14Single = 0;

  // Group 15: only in blocks of format version 4 and later.
  FixedList<Single, 4> Group15Singles;

  // Materials 1..MaterialCount, rebuilt after each reading.
  List<ShipMaterial> Materials;

  bool operator==(const ShipData&) const = default;
};

}  // namespace korain
