// Finding the database's hull section whose X lies nearest to the arrangement's.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/nearest_section.h"

#include <cmath>

#include "io/block_list.h"
#include "section/section_reader.h"

namespace korain {

std::optional<Section> nearestSection(std::string_view databaseBytes, std::string_view fileName,
                                      Single x) {
  std::optional<Section> nearest;
  for (const BlockListEntry& block : listBlocks(databaseBytes)) {
    if (block.Kind != BlockKind::Section) continue;
    Section section;
    if (!readSectionFromBytes(databaseBytes, fileName, block.Position, section,
                              Arrangements::Refuse)
             .found()) {
      continue;
    }
    if (!nearest || std::abs(section.X - x) < std::abs(nearest->X - x))
      nearest = std::move(section);
  }
  return nearest;
}

}  // namespace korain
