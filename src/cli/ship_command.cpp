// The ship command of korain-cli: the ship data block of a database as JSON.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ship_command.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "json_numbers.h"
#include "ship/ship_data_reader.h"
#include "ship_messages.h"

namespace korain {
namespace {

using Json = nlohmann::ordered_json;

Json value(Single v) { return single(v); }
Json value(Integer v) { return v; }
Json value(const std::string& v) { return v; }

template <typename T, int N>
Json value(const FixedList<T, N>& list) {
  Json result = Json::array();
  for (const T& item : list) result.push_back(value(item));
  return result;
}

Json material(const ShipMaterial& m) {
  return {{"Index", m.Index},
          {"Kind", single(m.Kind)},
          {"Properties", value(m.Properties)},
          {"Name", m.Name}};
}

Json shipJson(const ShipData& s) {
  Json materials = Json::array();
  for (const ShipMaterial& m : s.Materials) materials.push_back(material(m));
  Json json;
  json["FormatVersion"] = s.FormatVersion;
  json["Titles"] = value(s.Titles);
  json["ShipType"] = s.ShipType;
  json["NavigationNotation"] = s.NavigationNotation;
  json["Group3Items3To7"] = value(s.Group3Items3To7);
  json["MaterialCode"] = s.MaterialCode;
  json["MaterialCount"] = s.MaterialCount;
  json["Group3Item10"] = s.Group3Item10;
  json["MaterialKind"] = value(s.MaterialKind);
  json["L"] = single(s.L);
  json["B"] = single(s.B);
  json["D"] = single(s.D);
  json["Group5Items4To5"] = value(s.Group5Items4To5);
  json["T"] = single(s.T);
  json["BallastDraught"] = single(s.BallastDraught);
  json["Group5Item8"] = single(s.Group5Item8);
  json["CB"] = single(s.CB);
  json["V"] = single(s.V);
  json["GM1"] = single(s.GM1);
  json["RollRadius1"] = single(s.RollRadius1);
  json["GM2"] = single(s.GM2);
  json["RollRadius2"] = single(s.RollRadius2);
  json["Group5Items15To30"] = value(s.Group5Items15To30);
  json["Group6Pairs"] = value(s.Group6Pairs);
  json["MaterialTable"] = value(s.MaterialTable);
  json["DefaultMaterial"] = value(s.DefaultMaterial);
  json["Group9Integers1"] = value(s.Group9Integers1);
  json["Group9Singles1"] = value(s.Group9Singles1);
  json["Group9Triples"] = value(s.Group9Triples);
  json["Group9Singles2"] = value(s.Group9Singles2);
  json["Group9Integers2"] = value(s.Group9Integers2);
  json["Group10Integers1"] = value(s.Group10Integers1);
  json["Group10Single"] = single(s.Group10Single);
  json["Group10Singles"] = value(s.Group10Singles);
  json["Group10Integers2"] = value(s.Group10Integers2);
  json["Group10Integers3"] = value(s.Group10Integers3);
  json["Group11List1"] = value(s.Group11List1);
  json["Group11List2"] = value(s.Group11List2);
  json["Group11List3"] = value(s.Group11List3);
  json["Group12Singles1"] = value(s.Group12Singles1);
  json["Group12Single"] = single(s.Group12Single);
  json["Group12Singles2"] = value(s.Group12Singles2);
  json["Group12Singles3"] = value(s.Group12Singles3);
  json["Group13Text"] = s.Group13Text;
  json["Group14Single"] = single(s.Group14Single);
  json["Group15Singles"] = value(s.Group15Singles);
  json["Materials"] = std::move(materials);
  return json;
}

}  // namespace

int shipCommand(const std::string& database, const CommandStreams& streams) {
  ShipData ship;
  const ShipDataReadResult result = readShipData(database, ship);
  printShipDataMessages(result, streams.err);
  if (!result.found()) return kExitFailed;
  streams.out << shipJson(ship).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
              << '\n';
  return kExitOk;
}

}  // namespace korain
