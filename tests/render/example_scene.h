// A block of the example database, computed, with its hull section behind it, for the render tests.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "../core/geometry/geometry_test_support.h"
#include "arrangement_painter.h"
#include "io/text_file.h"
#include "io/zel_reader.h"
#include "section/nearest_section.h"
#include "ship/ship_data_reader.h"

namespace korain::testing {

// Every element of the drawing but the scantlings.
inline constexpr Long kEverything = display_bit::kAxis | display_bit::kStools |
                                    display_bit::kNodes | display_bit::kNodeNumbers |
                                    display_bit::kPrimaryMembers | display_bit::kStiffeners |
                                    display_bit::kStrakes | display_bit::kCorrugation;

struct ExampleScene {
  Arrangement arrangement;
  ShipData ship;
  std::optional<Section> section;
  DisplayOptions options;
  DisplayConfig labels = defaultDisplayConfig();

  explicit ExampleScene(Integer block, Long displayWord = DisplayOptions{}.DisplayWord) {
    const std::string path = KORAIN_EXAMPLES "/bulk_carrier.ko2";
    EXPECT_TRUE(readZelBlock(path, block, arrangement).found());
    arrangement = computed(arrangement);
    readShipData(path, ship);
    std::string error;
    section = nearestSection(readFileBytes(path, error).value_or(""), path, arrangement.X);
    EXPECT_TRUE(section) << error;
    options.DisplayWord = displayWord;
  }

  DrawingScene scene() const {
    return {arrangement, section ? &*section : nullptr, ship, options, labels};
  }
};

}  // namespace korain::testing
