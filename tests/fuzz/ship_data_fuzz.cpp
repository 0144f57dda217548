// Fuzz target of the ship data reader: any bytes must read without harm, the
// record must keep the shape the rest of the program counts on, and reading the
// same bytes again must change nothing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "ship/ship_data_reader.h"
#include "ship/ship_queries.h"

namespace {

using korain::fuzz::check;

std::size_t characters(std::string_view utf8) {
  std::size_t count = 0;
  for (const char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  korain::ShipData ship;
  const korain::ShipDataReadResult result = korain::readShipDataFromBytes(bytes, "fuzz.ko2", ship);
  if (!result.found()) {
    check(ship == korain::ShipData{});
    return 0;
  }

  check(characters(ship.FormatVersion) <= 8);
  check(!ship.Titles.at(1).empty() && characters(ship.Titles.at(1)) <= 30);
  for (int i = 2; i <= 5; ++i) {
    check(ship.Titles.at(i).empty() || characters(ship.Titles.at(i)) == 30);
  }
  check(characters(ship.Group13Text) <= 50);
  check(ship.Materials.count() <= korain::kMaxMaterials);
  for (int k = -1; k <= korain::kMaxMaterials + 1; ++k)
    check(!korain::materialName(k, ship).empty());
  korain::mainDataComplete(ship);
  korain::isShipTypeGroup(ship);

  korain::ShipData again = ship;
  korain::readShipDataFromBytes(bytes, "fuzz.ko2", again);
  check(again == ship);
  return 0;
}
