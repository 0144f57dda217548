// The display boxes: box i stands for the bit of its element, not for bit i,
// and ticking one box leaves every other element as it was.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/display_boxes.h"

#include <gtest/gtest.h>

#include "view/display_options.h"

namespace korain::testing {
namespace {

TEST(DisplayBoxes, TickingABoxChangesItsBitOnly) {
  struct Case {
    Long word;
    std::size_t box;
    Tick tick;
    Long expected;
  };
  const Case cases[] = {
      {33, 0, Tick::Cleared, 1},          // axis off, stools kept
      {33, 0, Tick::Ticked, 33},          // already on: unchanged
      {33, 2, Tick::Ticked, 35},          // nodes: bit 2, not bit 1 << 2
      {0, 7, Tick::Ticked, 256},          // corrugation
      {33, 9, Tick::Ticked, 1057},        // dimensions
      {511, 6, Tick::Cleared, 383},       // strakes off, all else kept
      {2048 | 4, 3, Tick::Cleared, 2048}  // an unknown bit is kept
  };
  for (const Case& c : cases) {
    EXPECT_EQ(withDisplayBox(c.word, c.box, c.tick), c.expected) << c.word << " box " << c.box;
  }
}

}  // namespace
}  // namespace korain::testing
